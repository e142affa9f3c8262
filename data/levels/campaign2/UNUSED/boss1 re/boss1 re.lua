-- Boss 1, remixed (not in the catalogue): the mirror boss again, in a
-- narrower arena, with two fans beside it that blow the ship back toward
-- its shots. Destroy the boss.
require "/data/entities/Player"
require "/data/entities/UpdateHUD"
require "/data/functions/createAdvancedQuadGeometry"
require "/data/functions/createMessage"

local W, H = 1600, 1200
local PAR_STEPS = 4800

local function step()
    steps = steps + 1
    if not finished and zorbix.getBossMirrorCount() == 0 then
        finished = true
        finishLevel(true, winScore(player.lives, steps, PAR_STEPS))
    end
end

function init()
    setLevelSize(W, H)
    createFrameWalls(W, H, 40)
    newProp("/data/levels/campaign2/UNUSED/boss1 re/graphics boss1 re.lua")
    player = Player.new(300, H / 2, 3)
    boss = zorbix.newBossMirror(1200, H / 2)
    zorbix.newFan(900, 250)
    zorbix.newFan(900, H - 250)
    steps = 0
    finished = false
    UpdateHUD.new(function()
        return "Lives " .. player.lives, ""
    end)
    everyStep(step)
    createMessage("^1The mirror boss is back", 200)
end

-- The game never reads levelTest; tests use it to win and to lose.
levelTest = {
    win = function()
        zorbix.setEntityDestroy(boss)
    end,
    lose = function()
        player.lives = 1
        player:loseLife()
    end,
}
