-- A disk wall with a drawn rim: the collision disk and solidDiskGraphic (a
-- rough rim of radius 100) zoomed to the disk's radius.
--
--   SolidDisk.new(1000, 600, 150)
require "/data/entities/LuaEntity"

local GRAPHIC_RADIUS = 100

SolidDisk = LuaEntity.subclass()

function SolidDisk.new(x, y, radius)
    local o = LuaEntity.new(LuaEntity, false, x, y)
    setmetatable(o, SolidDisk)
    o.radius = radius
    o.shape = zorbix.newCollisionDisk(x, y, radius)
    o:setGraphic("/data/entities/solidDiskGraphic.lua")
    o:setZoom(radius * 255 / GRAPHIC_RADIUS)
    return o
end

-- Stops the collision and removes the drawing.
function SolidDisk:remove()
    if self.shape ~= nil then
        zorbix.removeCollision(self.shape)
        self.shape = nil
    end
    self:destroy()
end
