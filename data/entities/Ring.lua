-- A ring to fly through: passed when the ship crosses its middle. A passed
-- ring flashes and leaves; Ring.passed counts the rings passed in the game.
--
--   ring = Ring.new(1200, 500, 120)
--   ring.onPassed = function(r) zorbix.increaseScore(50) end
require "/data/entities/Player"

-- ringGraphic's radius.
local GRAPHIC_RADIUS = 100

Ring = LuaEntity.subclass()
Ring.passed = 0

function Ring.new(x, y, radius)
    local o = LuaEntity.new(LuaEntity, false, x, y)
    setmetatable(o, Ring)
    o:setGraphic("/data/entities/ringGraphic.lua")
    o.radius = radius or GRAPHIC_RADIUS
    o:setZoom(o.radius * 255 / GRAPHIC_RADIUS)
    o.spin = 0
    o.isPassed = false
    o.onPassed = nil
    return o
end

function Ring:pass()
    if self.isPassed then
        return
    end
    self.isPassed = true
    Ring.passed = Ring.passed + 1
    zorbix.newExplosion(self.x, self.y, 120, 200, 255, 50)
    zorbix.playSound("/data/sounds/cling.caf")
    self:destroy()
    if self.onPassed ~= nil then
        self.onPassed(self)
    end
end

function Ring:update()
    self.spin = (self.spin + 2) % 360
    self:setRotation(self.spin, 0, 90, 255)
    -- The middle: half the ring's radius.
    if shipIsWithin(self.x, self.y, self.radius / 2) then
        self:pass()
    end
end
