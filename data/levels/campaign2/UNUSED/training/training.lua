-- Training (not in the catalogue): target practice. Break every target from
-- behind the firing line before the clock runs out; the targets take a few
-- hits each. The ship stays behind the line. Nothing shoots back: the clock is the only way to lose.
require "/data/entities/Player"
require "/data/entities/UpdateHUD"
require "/data/functions/createAdvancedQuadGeometry"
require "/data/functions/createMessage"
require "/data/levels/campaign2/UNUSED/training/generated"

local W, H = 1600, 1200
local TIME_STEPS = 90 * 60
local FIRING_LINE = 300
local TARGET_RADIUS = 30

Target = setmetatable({}, { __index = LuaEntity })
Target.__index = Target

function Target.new(x, y, hits)
    local o = LuaEntity.new(LuaEntity, false, x, y)
    setmetatable(o, Target)
    o:setGraphic("/data/entities/cubeGraphic.lua")
    o:setColor(120, 255, 120, 255)
    o.disk = zorbix.newHardDisk(x, y, TARGET_RADIUS)
    o.hits = hits
    o.turn = 0
    return o
end

function Target:update()
    self.turn = (self.turn + 2) % 360
    self:setRotation(self.turn, 255, 100, 0)
    if zorbix.getHardDiskHitCount(self.disk) >= self.hits then
        zorbix.newExplosion(self.x, self.y, 120, 255, 120, 40)
        zorbix.playSound("/data/sounds/pop.caf", self.x, self.y)
        zorbix.setEntityDestroy(self.disk)
        targetsLeft = targetsLeft - 1
        self:destroy()
    end
end

local function step()
    steps = steps + 1
    if finished then
        return
    end
    -- The ship stays behind the firing line; its shots fly on.
    if zorbix.getEntityX(playerShip) > FIRING_LINE then
        zorbix.setEntityX(playerShip, FIRING_LINE)
    end
    if targetsLeft == 0 then
        finished = true
        finishLevel(true, winScore(player.lives, steps, TIME_STEPS))
    elseif steps >= TIME_STEPS then
        finished = true
        finishLevel(false)
    end
end

function init()
    setLevelSize(W, H)
    createFrameWalls(W, H, 40)
    newProp("/data/levels/campaign2/UNUSED/training/graphics training.lua")
    player = Player.new(150, H / 2, 3)
    targets = {}
    targetsLeft = 0
    for _, t in ipairs(trainingTargets) do
        targets[#targets + 1] = Target.new(t[1], t[2], t[3])
        targetsLeft = targetsLeft + 1
    end
    steps = 0
    finished = false
    UpdateHUD.new(function()
        return "Targets " .. targetsLeft, "Time " .. formatSteps(TIME_STEPS - steps)
    end)
    everyStep(step)
    createMessage("^3Break every target", 180)
end

-- The game never reads levelTest; tests use it to win and to lose.
levelTest = {
    win = function()
        for _, t in ipairs(targets) do
            if not t.mustBeDestroyed then
                zorbix.setHardDiskHitCount(t.disk, t.hits)
            end
        end
    end,
    lose = function()
        steps = TIME_STEPS - 1
    end,
}
