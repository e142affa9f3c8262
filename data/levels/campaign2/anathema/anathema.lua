-- Anathema: the final boss among ruins. It chases, throws seeds that hatch
-- enemies where they strike a wall, breaks apart to reappear beyond the
-- ship, and at the higher difficulties fires a wide beam. Bring it down.
require "/data/entities/Player"
require "/data/functions/createAdvancedQuadGeometry"
require "/data/levels/campaign2/anathema/generated"
require "/data/functions/pilotFunctions"

W, H = 3000, 3000
PAR = 60 * 240
-- The outer walls are thick: the boss's shove moves the ship 30 units in a
-- step, and would carry it through a thinner wall out of the level.
levelQuads = appendRockQuads(frameWallQuads(W, H, 120), ROCKS)

function init()
    setLevelSize(W, H)
    createWalls(levelQuads)
    newProp("/data/levels/campaign2/anathema/graphics anathema.lua")
    player = Player.new(1500, 400, 5)
    boss = zorbix.newTeleporter(1500, 2200, 1)
    playLevel({
        message = "^1Anathema",
        par = PAR,
        hud = function()
            return "^1Anathema"
        end,
        isWon = function()
            return zorbix.getTeleporterCount() == 0
        end,
    })
end

-- No pilot: the boss takes 500 to 666 hits and the ship's gun fires once
-- in 8 steps, so it must be fought for over a minute while what its seeds
-- hatch piles up, and those have no handles to steer by.
levelTest = newLevelTest(function()
    zorbix.setEntityDestroy(boss)
end)
