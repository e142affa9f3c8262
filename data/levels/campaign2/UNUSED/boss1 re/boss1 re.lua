-- Boss 1, remixed (not in the catalogue): the mirror boss again, in a
-- narrower arena, with two fans beside it that blow the ship back toward
-- its shots. Destroy the boss.
require "/data/entities/Player"
require "/data/functions/createAdvancedQuadGeometry"
require "/data/functions/pilotFunctions"

W, H = 1600, 1200
PAR = 4800

function init()
    setLevelSize(W, H)
    createFrameWalls(W, H, 40)
    newProp("/data/levels/campaign2/UNUSED/boss1 re/graphics boss1 re.lua")
    -- A life fewer at each difficulty.
    player = Player.new(300, H / 2, 4 - clamp(zorbix.getDifficultyLevel(), 0, 2))
    boss = zorbix.newBossMirror(1200, H / 2)
    zorbix.newFan(900, 250)
    zorbix.newFan(900, H - 250)
    playLevel({
        message = "^1The mirror boss is back",
        messageSteps = 200,
        par = PAR,
        isWon = function()
            return zorbix.getBossMirrorCount() == 0
        end,
    })
end

-- The arena, and the pilot made at its first step (once the boss is).
local flyBoss
local ARENA = {
    cx = W / 2,
    cy = H / 2,
    inside = function(x, y, margin)
        return x >= margin and x <= W - margin and y >= margin and y <= H - margin
    end,
    clamp = function(x, y, margin)
        return clamp(x, margin, W - margin), clamp(y, margin, H - margin)
    end,
}

levelTest = newLevelTest(
    function()
        zorbix.setEntityDestroy(boss)
    end,
    function()
        flyBoss = flyBoss or newMirrorBossPilot(boss, ARENA)
        return flyBoss()
    end
)
