-- Training (not in the catalogue): target practice. Break every target from
-- behind the firing line before the clock runs out; the targets take a few
-- hits each. Once the still ones are broken, a second round slides up and
-- down its lanes: the shots have to be led. The ship stays behind the line.
-- Nothing shoots back: the clock is the only way to lose.
require "/data/entities/Player"
require "/data/functions/createAdvancedQuadGeometry"
require "/data/levels/campaign2/UNUSED/training/generated"
require "/data/functions/pilotFunctions"

W, H = 1600, 1200
PAR = 90 * 60
-- The time on the clock, shorter at each difficulty.
local CLOCK_STEPS = { 90 * 60, 75 * 60, 60 * 60 }
local FIRING_LINE = 300
local TARGET_RADIUS = 30
-- The view is drawn out and led toward the targets, so the whole range
-- shows with the ship at its foot; it goes no lower than CAMERA_LOWEST, so
-- that the far targets stay under the heads-up lines.
local CAMERA_ZOOM = 115
local CAMERA_LEAD = 300
local CAMERA_LOWEST = 450

Target = setmetatable({}, { __index = LuaEntity })
Target.__index = Target

-- A target at (x, y) that breaks after `hits` hits; with a slide, it moves
-- up and down `slide` units about y, `speed` degrees of its swing a step,
-- from the point `phase` of its swing.
function Target.new(x, y, hits, slide, phase, speed)
    local o = LuaEntity.new(LuaEntity, false, x, y)
    setmetatable(o, Target)
    o.middleY = y
    o.slide = slide or 0
    o.phase = phase or 0
    o.speed = speed or 0
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
    if self.slide > 0 then
        self.phase = (self.phase + self.speed) % 360
        local y = self.middleY + scaleBy256(self.slide, math.sin(self.phase))
        self:setXY(self.x, y)
        zorbix.setEntityXY(self.disk, self.x, y)
    end
    if zorbix.getHardDiskHitCount(self.disk) >= self.hits then
        zorbix.newExplosion(self.x, self.y, 120, 255, 120, 40)
        zorbix.playSound("/data/sounds/pop.caf", self.x, self.y)
        zorbix.setEntityDestroy(self.disk)
        targetsLeft = targetsLeft - 1
        self:destroy()
    end
end

function init()
    setLevelSize(W, H)
    createFrameWalls(W, H, 40)
    newProp("/data/levels/campaign2/UNUSED/training/graphics training.lua")
    player = Player.new(150, H / 2, 3)
    zorbix.setCameraZoom(CAMERA_ZOOM)
    targets = {}
    local d = clamp(zorbix.getDifficultyLevel(), 0, 2)
    TIME_STEPS = CLOCK_STEPS[d + 1]
    for _, t in ipairs(trainingTargets) do
        -- A hit more per target at each difficulty.
        targets[#targets + 1] = Target.new(t[1], t[2], t[3] + d)
    end
    -- The HUD counts both rounds; the second comes once the first is broken.
    targetsLeft = #trainingTargets + #trainingMovers
    local moversCome = false
    playLevel({
        message = "^3Break every target",
        messageSteps = 180,
        par = PAR,
        hud = function()
            return "^7Targets: " .. targetsLeft .. "  " .. formatSteps(TIME_STEPS - elapsed)
        end,
        -- The ship stays behind the firing line, its shots fly on; the
        -- clock running out ends the game.
        step = function()
            if not moversCome and targetsLeft == #trainingMovers then
                moversCome = true
                -- They slide faster at each difficulty.
                for _, t in ipairs(trainingMovers) do
                    targets[#targets + 1] = Target.new(t[1], t[2], t[3] + d, t[4], t[5], 2 + d)
                end
                createMessage("^3Now they move", 150)
            end
            if zorbix.getEntityX(playerShip) > FIRING_LINE then
                zorbix.setEntityX(playerShip, FIRING_LINE)
            end
            zorbix.setCameraXY(maxOf(zorbix.getEntityX(playerShip) + CAMERA_LEAD, CAMERA_LOWEST), zorbix.getEntityY(playerShip))
            if elapsed >= TIME_STEPS and targetsLeft > 0 then
                player:endGame()
            end
        end,
        isWon = function()
            return targetsLeft == 0
        end,
    })
end

levelTest = newLevelTest(
    function()
        for _, t in ipairs(targets) do
            if not t.mustBeDestroyed then
                zorbix.setHardDiskHitCount(t.disk, t.hits)
            end
        end
    end,
    -- Stands on the firing line level with the nearest target and shoots
    -- down its lane, ahead of a sliding one; the gun throws its shots 3
    -- degrees off the stick, which tells at the far targets.
    function()
        local t = nearestLiveEntity(targets)
        if t == nil then
            return pilotSticks()
        end
        local tx, ty = pilotLead(t.ptr, t.x, t.y)
        local moveAngle, moveStrength, shootAngle, shootStrength = pilotSticks(FIRING_LINE - 20, t.y, tx, ty)
        return moveAngle, moveStrength, shootAngle - 3, shootStrength
    end
)
-- Nothing shoots back: the clock is the way to lose.
levelTest.lose = function()
    elapsed = TIME_STEPS - 1
end
