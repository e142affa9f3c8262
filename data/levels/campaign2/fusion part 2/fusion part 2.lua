-- The Fusion: the ship carries the fusion gun. Splitters fade in and circle
-- closer; five hits split one into five parts. Destroy every splitter and
-- every part. A splitter that dies against the ship (costing a life, or on
-- its shield) comes back elsewhere: only the gun clears the field.
require "/data/entities/Player"
require "/data/functions/createAdvancedQuadGeometry"
require "/data/functions/getRandomCoord"
require "/data/levels/campaign2/fusion part 2/generated"
require "/data/functions/pilotFunctions"

W, H = 2400, 2400
PAR = 60 * 150
-- The gun of mode 8.
FUSION_GUN = 8
levelQuads = appendRockQuads(frameWallQuads(W, H, 40), ROCKS)

function init()
    setLevelSize(W, H)
    createWalls(levelQuads)
    newProp("/data/levels/campaign2/fusion part 2/graphics fusion part 2.lua")
    for _, r in ipairs(ROCKS) do
        addTakenDisk(r[1], r[2], r[3] + 100)
    end
    local d = zorbix.getDifficultyLevel()
    player = Player.new(1200, 1200, 3)
    zorbix.setPlayerShootMode(FUSION_GUN)
    splitters = {}
    local function newSplitter()
        local x, y = getRandomCoord(200, 200, W - 200, H - 200, 700)
        keepHandle(splitters, zorbix.newSplitter(x, y))
    end
    for k = 1, 4 + 2 * d do
        newSplitter()
    end
    playClearLevel({
        message = "^3The fusion gun: split them all",
        par = PAR,
        label = "Splitters",
        counts = { zorbix.getSplitterCount, zorbix.getSplitterPartCount },
    })
    -- A splitter last seen by the ship that is gone without releasing its
    -- parts ran into it: another comes.
    local seen, parts = {}, 0
    everyStep(function()
        local nowParts = zorbix.getSplitterPartCount()
        handlesGoneAtShip(splitters, seen, 90, function()
            if nowParts <= parts and not won then
                newSplitter()
            end
        end)
        parts = nowParts
    end)
end

levelTest = newLevelTest(
    function()
        destroyHandles(splitters)
    end,
    -- Circles the nearest splitter 450 units off, shooting it. The parts
    -- have no handles; they come for the ship, so once the splitters are
    -- gone it circles the middle sweeping its fire round.
    function()
        local x, y = zorbix.getEntityX(playerShip), zorbix.getEntityY(playerShip)
        local s, sx, sy = nearestHandle(liveHandles(splitters))
        if s ~= nil then
            local gx, gy = pointAt(sx, sy, angleTo(sx, sy, x, y) + 25, 450)
            return pilotSticks(clamp(gx, 200, W - 200), clamp(gy, 200, H - 200), sx, sy)
        end
        local gx, gy = pointAt(W / 2, H / 2, elapsed / 2, 500)
        local tx, ty = pointAt(x, y, elapsed * 5, 400)
        return pilotSticks(gx, gy, tx, ty)
    end
)
