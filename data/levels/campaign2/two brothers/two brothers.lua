-- The Two Brothers: a mirror ship stands opposite the ship through the
-- middle of the hall and fires whenever the ship fires, the other way. Its
-- shots hurt the ship but also the spinies; destroy every spiny, sometimes
-- by letting the brother shoot them. They come in three waves; a spiny that
-- dies against the ship (costing a life, or on its shield) comes back
-- elsewhere: only shots clear the hall.
require "/data/entities/Player"
require "/data/functions/createAdvancedQuadGeometry"
require "/data/functions/getRandomCoord"
require "/data/levels/campaign2/two brothers/generated"
require "/data/functions/pilotFunctions"

W, H = 2000, 2000
CX, CY = 1000, 1000
PAR = 60 * 150
levelQuads = appendRockQuads(frameWallQuads(W, H, 40), ROCKS)

function init()
    setLevelSize(W, H)
    createWalls(levelQuads)
    newProp("/data/levels/campaign2/two brothers/graphics two brothers.lua")
    for _, r in ipairs(ROCKS) do
        addTakenDisk(r[1], r[2], r[3] + 80)
    end
    local d = zorbix.getDifficultyLevel()
    player = Player.new(CX, 400, 3)
    zorbix.newUncommonEntity("bizarro", CX, CY)
    enemies = {}
    seen = {}
    local function newSpiny()
        local x, y = getRandomCoord(150, 150, W - 150, H - 150, 500)
        keepHandle(enemies, zorbix.newSpiny(x, y, 50 + 20 * d))
    end
    playWaveLevel({
        message = "^6Your brother mirrors you",
        par = PAR,
        waves = 3,
        nextWave = function()
            for k = 1, 6 + 3 * d do
                newSpiny()
            end
        end,
        count = zorbix.getSpinyCount,
    })
    -- A spiny last seen by the ship that is gone ran into it: another comes.
    everyStep(function()
        handlesGoneAtShip(enemies, seen, 90, function()
            if not won then
                newSpiny()
            end
        end)
    end)
end

levelTest = newLevelTest(
    function()
        destroyHandles(enemies)
    end,
    -- Circles the nearest spiny 300 units off, going round the stones, and
    -- shoots it, except toward the middle: the brother's shots would then
    -- come straight back at the ship.
    function()
        local e, x, y = nearestHandle(enemies)
        if e == nil then
            return pilotSticks()
        end
        local a = angleTo(x, y, player:getX(), player:getY())
        local gx, gy = pointAt(x, y, a + 30, 300)
        gx, gy = pilotAroundRocks(gx, gy, ROCKS)
        return pilotSparingMirror(CX, CY, pilotSticks(gx, gy, x, y))
    end
)
