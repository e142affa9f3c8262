-- Matador: Round 2: the bullring again, smaller, with every size of sucider
-- at once, middle ones that burst into rings of small ones, and dodgers.
-- Destroy them all. One that dies against the ship's shield, or while the
-- ship is lost, comes back across the ring: no enemy falls for free.
require "/data/entities/Player"
require "/data/functions/createAdvancedQuadGeometry"
require "/data/functions/pilotFunctions"

W, H = 2000, 2000
CX, CY = 1000, 1000
PAR = 60 * 180
levelQuads = outlineToQuads(regularOutline(CX, CY, 900, 12, 15), 60, true)

-- Where each enemy was last seen, and whether the ship was shielded or lost
-- the step before. One gone beside the ship then ran into it for free: it
-- comes back across the ring from the ship.
local seen = {}
local protected = false
function comeBack(makers, add)
    handlesGoneAtShip(enemies, seen, 90, function(h, sx, sy)
        if protected and makers[h] ~= nil then
            local bx, by = pointAt(CX, CY, angleTo(sx, sy, CX, CY), 500)
            add(makers[h], bx, by)
        end
    end)
    protected = not player:isAlive() or player.shieldLeft > 0
end

function init()
    setLevelSize(W, H)
    createWalls(levelQuads)
    newProp("/data/levels/campaign2/matador round 2/graphics matador round 2.lua")
    local d = zorbix.getDifficultyLevel()
    player = Player.new(CX, CY - 600, 5)
    enemies = {}
    -- The maker of each enemy, to make it again.
    local makers = {}
    local function add(make, x, y)
        local h = make(x, y)
        enemies[#enemies + 1] = h
        makers[h] = make
        return h
    end
    for k = 1, 3 + d do
        -- The fifth would start on the first: it goes between the first two.
        local x, y = pointAt(CX, CY, 40 + 90 * k + 45 * ((k - 1) / 4), 500)
        if k == 1 then
            -- The one middle one bursts as it rams the ship: it never
            -- comes back.
            middle = zorbix.newSucider(x, y, 0, 1)
            enemies[#enemies + 1] = middle
        else
            -- The others are small and big ones: a second middle one, at
            -- the higher difficulties, filled the ring with its small ones.
            local size = k % 3
            if size == 1 then
                size = 2
            end
            add(function(x, y)
                return zorbix.newSucider(x, y, 0, size)
            end, x, y)
        end
    end
    for k = 1, 2 + d do
        local x, y = pointAt(CX, CY, 90 + 60 * k, 300)
        add(zorbix.newDodger, x, y)
    end
    -- The arrow points to the nearest enemy while none is in sight.
    pointToNearest(function()
        return enemies
    end)
    playClearLevel({
        message = "^1Round two",
        messageSteps = 180,
        par = PAR,
        label = "Enemies",
        counts = { zorbix.getSuciderCount, zorbix.getDodgerCount },
        step = function()
            comeBack(makers, add)
        end,
    })
end

-- The pilot's middle sucider while it lives; false once it is gone.
local pilotMiddle = nil

levelTest = newLevelTest(
    function()
        destroyHandles(enemies)
    end,
    -- Flies round the ring, shooting the nearest enemy ahead of its move.
    -- The middle sucider bursts into small ones with no handle as it is hit:
    -- while more than ten of those fly, it is left alone for two thirds of
    -- the time and the shots sweep the ring inward, where they come from.
    function()
        local live = liveHandles(enemies)
        local moveAngle, moveStrength = pilotCircle(CX, CY, 700, 35)
        local x, y = zorbix.getEntityX(playerShip), zorbix.getEntityY(playerShip)
        if pilotMiddle == nil then
            pilotMiddle = middle
        end
        local kept, middleLives = 0, false
        for _, h in ipairs(live) do
            if zorbix.getSuciderLifeLeft(h) > 0 then
                kept = kept + 1
            end
            middleLives = middleLives or h == pilotMiddle
        end
        if not middleLives then
            pilotMiddle = false
        end
        local waiting = zorbix.getSuciderCount() - kept > 10 and elapsed % 3000 < 2000
        local best, bestX, bestY, bestD = nil, 0, 0, 0
        for _, h in ipairs(live) do
            local ex, ey = zorbix.getEntityX(h), zorbix.getEntityY(h)
            local isMiddle = h == pilotMiddle and zorbix.getSuciderLifeLeft(h) > 0
            if not (isMiddle and waiting) then
                local d = distance(x, y, ex, ey)
                if best == nil or d < bestD then
                    best, bestX, bestY, bestD = h, ex, ey, d
                end
            end
        end
        if best == nil then
            return moveAngle, moveStrength, angleTo(x, y, CX, CY) + 60 * math.sin(4 * elapsed) / 256, 100
        end
        local tx, ty = pilotLead(best, bestX, bestY)
        return moveAngle, moveStrength, angleTo(x, y, tx, ty), 100
    end
)
