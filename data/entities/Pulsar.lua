-- A pulsar: flying over it gives the ship its colour and the bullet type of
-- that colour, which the level reads to decide what the ship may destroy.
-- Pulsar.current is the pulsar whose colour the ship carries.
--
--   Pulsar.new(400, 600, 255, 30, 30, 0)     -- red shots
--   Pulsar.new(1600, 600, 20, 80, 255, 2)    -- blue shots
require "/data/entities/Player"

local REACH = 60
-- Frames of the pulsing in pulsarGraphic, shown two steps each.
local FRAMES = 16

local setLuaEntityFrame = zorbix.setLuaEntityFrame

Pulsar = LuaEntity.subclass()
Pulsar.current = nil

-- Colour in 0..255 channels and the bullet type the ship takes.
function Pulsar.new(x, y, r, g, b, bulletType)
    local o = LuaEntity.new(LuaEntity, false, x, y)
    setmetatable(o, Pulsar)
    o:setGraphic("/data/entities/pulsarGraphic.lua")
    o:setColor(r, g, b, 255)
    o.color = { r, g, b }
    o.bulletType = bulletType
    o.phase = (x / 7 + y / 3) % (2 * FRAMES)
    o.onTaken = nil
    return o
end

-- Gives its colour and bullet type to the ship.
function Pulsar:give()
    Pulsar.current = self
    if Player.current ~= nil then
        Player.current:setShipColor(self.color[1], self.color[2], self.color[3])
    else
        zorbix.setPlayerColor(self.color[1], self.color[2], self.color[3])
    end
    zorbix.setPlayerShootType(self.bulletType)
    zorbix.newExplosion(self.x, self.y, self.color[1], self.color[2], self.color[3], 40)
    zorbix.playSound("/data/sounds/powerup_appeared.caf")
    if self.onTaken ~= nil then
        self.onTaken(self)
    end
end

function Pulsar:update()
    local phase = (self.phase + 1) % (2 * FRAMES)
    self.phase = phase
    setLuaEntityFrame(self.ptr, phase / 2)
    if Pulsar.current ~= self and shipIsWithin(self.x, self.y, REACH) then
        self:give()
    end
end
