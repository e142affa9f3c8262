-- A goal that moves on a circle: reached when the ship touches it.
--
--   goal = CirculatingGoal.new(1000, 600, 300, 1, 0)   -- 1 degree a step
--   if goal.reached then ... end
require "/data/entities/Player"

local REACH = 55

CirculatingGoal = LuaEntity.subclass()

-- Centre, radius of the circle, turn per step in degrees (negative:
-- clockwise), starting angle.
function CirculatingGoal.new(cx, cy, radius, turn, angle)
    local x, y = pointAt(cx, cy, angle or 0, radius)
    local o = LuaEntity.new(LuaEntity, false, x, y)
    setmetatable(o, CirculatingGoal)
    o:setGraphic("/data/entities/spotGraphic.lua")
    o:setColor(80, 255, 120, 255)
    o.cx, o.cy, o.radius = cx, cy, radius
    o.turn = turn
    o.angle = angle or 0
    o.reached = false
    o.onReached = nil
    return o
end

-- Where the goal is now.
function CirculatingGoal:getXY()
    return self.x, self.y
end

function CirculatingGoal:update()
    if self.reached then
        return
    end
    self.angle = (self.angle + self.turn) % 360
    self:setXY(pointAt(self.cx, self.cy, self.angle, self.radius))
    self:setAngle(-self.angle * 3)
    if shipIsWithin(self.x, self.y, REACH) then
        self.reached = true
        zorbix.newExplosion(self.x, self.y, 80, 255, 120, 50)
        zorbix.playSound("/data/sounds/powerup_appeared.caf")
        self:destroy()
        if self.onReached ~= nil then
            self.onReached(self)
        end
    end
end
