-- Marching Cubes: cubes roll toward the ship across a checkered square,
-- one side length at a time, resting less and less between rolls. Three
-- shots break one. Waves come in from the corners.
require "/data/entities/Player"
require "/data/entities/Arrow"
require "/data/functions/createAdvancedQuadGeometry"
require "/data/functions/pilotFunctions"

W, H = 2000, 2000
PAR = 60 * 150
CORNERS = { { 200, 200 }, { 1800, 200 }, { 200, 1800 }, { 1800, 1800 } }
levelQuads = frameWallQuads(W, H, 40)

function init()
    setLevelSize(W, H)
    createWalls(levelQuads)
    newProp("/data/levels/campaign1/marching cubes/graphics marching cubes.lua")
    difficulty = zorbix.getDifficultyLevel()
    player = Player.new(1000, 1000, 3)
    cubes = {}
    pointToNearest(function()
        return cubes
    end)
    playWaveLevel({
        message = "^3Break the marching cubes",
        par = PAR,
        waves = 3 + difficulty,
        nextWave = nextWave,
        count = zorbix.getRollingCubeCount,
    })
end

function nextWave(wave)
    cubes = {}
    for k = 1, 2 + wave + difficulty do
        local c = CORNERS[(k - 1) % 4 + 1]
        local offset = 80 * ((k - 1) / 4)
        -- Steps per roll and rest steps: quicker in later waves.
        cubes[#cubes + 1] = zorbix.newRollingCube(c[1] + offset, c[2] + offset, 26 - 2 * wave, 8 - wave)
    end
end


levelTest = newLevelTest(
    function()
        destroyHandles(cubes)
    end,
    -- Circles the nearest cube 400 units off, shooting it: the cubes roll
    -- only along x or y, so the turn keeps the ship off their lines.
    function()
        local c, x, y = nearestHandle(liveHandles(cubes))
        if c == nil then
            return pilotSticks(1000, 1000)
        end
        return pilotCircle(x, y, 400, 40, x, y)
    end
)
