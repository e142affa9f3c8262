-- Diamond: a diamond-shaped arena. Waves of spinies and planners come in;
-- destroy every wave. A third wave at the higher difficulties.
require "/data/entities/Player"
require "/data/functions/createAdvancedQuadGeometry"
require "/data/functions/createMessage"
require "/data/functions/getRandomCoord"
require "/data/functions/pilotFunctions"

W, H = 2400, 2400
CX, CY = 1200, 1200
OUTLINE = { 1200, 100, 2300, 1200, 1200, 2300, 100, 1200 }
levelQuads = outlineToQuads(OUTLINE, 60, true)
appendQuads(levelQuads, obstacleQuads({ 1200, 1050, 1350, 1200, 1200, 1350, 1050, 1200 }, 60))
PAR = 60 * 120

-- Whether a point lies well inside the diamond.
function insideDiamond(x, y)
    return math.abs(x - CX) + math.abs(y - CY) < 900
end

function init()
    setLevelSize(W, H)
    createWalls(levelQuads)
    newProp("/data/levels/campaign0/diamond/backgroundDiamond2.lua")
    newProp("/data/levels/campaign0/diamond/backgroundDiamond2-new.lua")
    addTakenBox(1000, 1000, 400, 400)
    difficulty = zorbix.getDifficultyLevel()
    player = Player.new(CX - 600, CY, 3)
    wave = 0
    waves = 2 + (difficulty + 1) / 2
    enemies = {}
    nextWave()
    playLevel({
        message = "^3Clear every wave",
        par = PAR,
        hud = function()
            return "^7Wave " .. wave .. "/" .. waves
        end,
        step = step,
        isWon = function()
            return wave >= waves and enemiesLeft() == 0
        end,
    })
end

function enemiesLeft()
    return zorbix.getSpinyCount() + zorbix.getPlannerCount()
end

-- A free point inside the diamond, away from the ship.
local function spawnPoint()
    for k = 1, 20 do
        local x, y = getRandomCoord(300, 300, W - 300, H - 300, 500)
        if insideDiamond(x, y) then
            return x, y
        end
    end
    return CX + 500, CY
end

function nextWave()
    wave = wave + 1
    enemies = {}
    for k = 1, 4 + 2 * wave + 2 * difficulty do
        local x, y = spawnPoint()
        enemies[#enemies + 1] = zorbix.newSpiny(x, y, 40 + 20 * difficulty)
    end
    for k = 1, wave + difficulty do
        local x, y = spawnPoint()
        enemies[#enemies + 1] = zorbix.newPlanner(x, y)
    end
end

-- The next wave comes in once this one is cleared.
function step()
    if wave < waves and enemiesLeft() == 0 then
        nextWave()
        createMessage("^3Wave " .. wave, 120)
    end
end

levelTest = newLevelTest(
    function()
        destroyHandles(enemies)
    end,
    -- Circles the nearest enemy of the wave while shooting it.
    function()
        return pilotOrbitNearest(enemies, 350, 30)
    end
)
