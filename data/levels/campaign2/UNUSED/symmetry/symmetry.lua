-- Symmetry (not in the catalogue): an arena whose four quarters mirror each
-- other, pillars and enemies alike. Back-and-forth enemies patrol between
-- the pillars; destroy them all.
require "/data/entities/Player"
require "/data/entities/UpdateHUD"
require "/data/functions/createAdvancedQuadGeometry"
require "/data/functions/createMessage"
require "/data/levels/campaign2/UNUSED/symmetry/generated"

local W, H = 1600, 1200
local PAR_STEPS = 3000

local function step()
    steps = steps + 1
    if not finished and zorbix.getBAFCount() == 0 then
        finished = true
        finishLevel(true, winScore(player.lives, steps, PAR_STEPS))
    end
end

function init()
    setLevelSize(W, H)
    createFrameWalls(W, H, 40)
    newProp("/data/levels/campaign2/UNUSED/symmetry/graphics symmetry.lua")
    for _, corners in ipairs(symmetryPillars) do
        newWallQuad(corners, W / 2, H / 2)
    end
    player = Player.new(W / 2, H / 2, 3)
    enemies = {}
    for k, e in ipairs(symmetryEnemies) do
        local direction = 90 * (k % 2)
        enemies[#enemies + 1] = zorbix.newBackAndForth(e[1], e[2], direction)
    end
    steps = 0
    finished = false
    UpdateHUD.new(function()
        return "Lives " .. player.lives, "Enemies " .. zorbix.getBAFCount()
    end)
    everyStep(step)
    createMessage("^5Mirror, mirror", 180)
end

-- The game never reads levelTest; tests use it to win and to lose.
levelTest = {
    win = function()
        for _, e in ipairs(enemies) do
            zorbix.setEntityDestroy(e)
        end
        enemies = {}
    end,
    lose = function()
        player.lives = 1
        player:loseLife()
    end,
}
