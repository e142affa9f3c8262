-- A spot to reach: the ship must stay on it for `hold` steps (0: touching
-- it is enough). While the ship is on it, the spot fills up.
--
--   exit = Spot.new(1800, 200, 80, 60)
--   if exit.reached then finishLevel(true, score) end
require "/data/entities/Player"

-- spotGraphic's radius and frames (frame k: filled k / 8).
local GRAPHIC_RADIUS = 50
local FILL_FRAMES = 9

Spot = LuaEntity.subclass()

function Spot.new(x, y, radius, hold)
    local o = LuaEntity.new(LuaEntity, false, x, y)
    setmetatable(o, Spot)
    o:setGraphic("/data/entities/spotGraphic.lua")
    o.radius = radius or GRAPHIC_RADIUS
    o:setZoom(o.radius * 255 / GRAPHIC_RADIUS)
    o.hold = hold or 0
    o.held = 0
    o.turn = 0
    o.reached = false
    o.onReached = nil
    return o
end

function Spot:reach()
    if self.reached then
        return
    end
    self.reached = true
    self:setFrame(FILL_FRAMES - 1)
    zorbix.newExplosion(self.x, self.y, 255, 255, 120, 50)
    zorbix.playSound("/data/sounds/bonus.caf")
    if self.onReached ~= nil then
        self.onReached(self)
    end
end

function Spot:update()
    self.turn = (self.turn + 1) % 360
    self:setAngle(self.turn)
    if self.reached then
        return
    end
    if shipIsWithin(self.x, self.y, self.radius) then
        self.held = self.held + 1
        if self.held >= self.hold then
            self:reach()
            return
        end
    else
        self.held = 0
    end
    if self.hold > 0 then
        self:setFrame(self.held * (FILL_FRAMES - 1) / self.hold)
    end
end
