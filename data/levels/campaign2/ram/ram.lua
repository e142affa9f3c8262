-- Coming And Raming: the ship has no gun, only its ram. Back-and-forth
-- enemies and mother ships come between the rocks; ram them all.
require "/data/entities/Player"
require "/data/functions/createAdvancedQuadGeometry"
require "/data/functions/createMessage"
require "/data/functions/getRandomCoord"
require "/data/levels/campaign2/ram/generated"
require "/data/functions/pilotFunctions"

W, H = 2400, 2400
PAR = 60 * 150
-- The time to clear the field: a ship that waits for the enemies to run
-- onto its ram does not win.
CLOCK_STEPS = 60 * 240
-- The opening order rides this far below the ship (the world's +x is up on
-- the screen).
ORDER_BELOW = 140
levelQuads = appendRockQuads(frameWallQuads(W, H, 40), ROCKS)

function init()
    setLevelSize(W, H)
    createWalls(levelQuads)
    newProp("/data/levels/campaign2/ram/graphics ram.lua")
    for _, r in ipairs(ROCKS) do
        addTakenDisk(r[1], r[2], r[3] + 80)
    end
    local d = zorbix.getDifficultyLevel()
    player = Player.new(1200, 300, 3)
    player:setCanShoot(false)
    zorbix.setPlayerHasRam(true)
    enemies = {}
    for k = 1, 5 + 2 * d do
        local x, y = getRandomCoord(200, 200, W - 200, H - 200, 700)
        enemies[#enemies + 1] = zorbix.newBackAndForth(x, y, 40 * k, k % 2)
    end
    -- The mother ships, also kept as a set for the pilot.
    motherShips = {}
    for k = 1, 1 + d do
        local x, y = getRandomCoord(300, 300, W - 300, H - 300, 900)
        local m = zorbix.newMotherShip(x, y, 30, 20 * k)
        enemies[#enemies + 1] = m
        motherShips[m] = true
    end
    -- The order rides under the ship, clear of the ram and its sparks
    -- ahead of it and of the heads-up lines.
    local order = createMessage("^1No gun: ram them", 240, 1200 - ORDER_BELOW, 300)
    local function left()
        return zorbix.getBAFCount() + zorbix.getMotherShipCount()
    end
    playLevel({
        par = PAR,
        hud = function()
            return "^7Enemies: " .. left() .. "  " .. formatSteps(CLOCK_STEPS - elapsed)
        end,
        step = function()
            order.centreX = zorbix.getEntityX(playerShip) - ORDER_BELOW
            order.centreY = zorbix.getEntityY(playerShip)
            if elapsed >= CLOCK_STEPS and left() > 0 then
                player:endGame()
            end
        end,
        isWon = function()
            return left() == 0
        end,
    })
end

levelTest = newLevelTest(
    function()
        destroyHandles(enemies)
    end,
    -- Rams the nearest enemy: stands off it so that the ram's tip lies on
    -- it and the ship just clear of it, going round the rocks; runs
    -- straight away from a mother ship's burst.
    newBurstPilot(function()
        return enemies
    end, 40, function(e, x, y)
        local standOff = 62
        if motherShips[e] then
            standOff = 95
        end
        local gx, gy = pointAt(x, y, angleTo(x, y, player:getX(), player:getY()), standOff)
        gx, gy = pilotAroundRocks(gx, gy, ROCKS)
        return pilotSticks(gx, gy, x, y)
    end)
)
