-- A turret that turns toward the ship and fires enemy bullets at it while it
-- is in range. An invisible hard disk under it counts the player's hits; it
-- blows up after `strength` hits. Cannon.alive counts the live cannons.
--
--   Cannon.new(800, 600, 12, 70)
require "/data/entities/Player"

-- Radius of the hard disk that takes the hits.
local RADIUS = 34
-- Distance from the centre at which the bullets leave the barrel.
local MUZZLE = 40
-- Bullets are fired only at a ship nearer than this.
local RANGE = 800

Cannon = LuaEntity.subclass()
Cannon.alive = 0

-- strength: hits it takes; delay: steps between shots; speed: bullet speed
-- scaled by 255 (default 4 units a step).
function Cannon.new(x, y, strength, delay, speed)
    local o = LuaEntity.new(LuaEntity, false, x, y)
    setmetatable(o, Cannon)
    o:setGraphic("/data/entities/cannonGraphic.lua")
    o.disk = zorbix.newHardDisk(x, y, RADIUS)
    o.strength = strength or 10
    o.delay = delay or 80
    o.speed = speed or 4 * 255
    o.range = RANGE
    o.cooldown = o.delay + (x + y) % (o.delay / 2 + 1)
    o.angle = 0
    o.flash = 0
    o.lastHits = 0
    o.onDestroyed = nil
    Cannon.alive = Cannon.alive + 1
    return o
end

-- Hits taken; a destroyed cannon's disk is gone, so it answers its strength.
function Cannon:hits()
    if self.mustBeDestroyed then
        return self.strength
    end
    return zorbix.getHardDiskHitCount(self.disk)
end

-- Blows the cannon up (as its last hit does).
function Cannon:explode()
    if self.mustBeDestroyed then
        return
    end
    zorbix.setEntityDestroy(self.disk)
    zorbix.newExplosion(self.x, self.y, 255, 160, 40, 80)
    zorbix.newTexturedExplosion(self.x, self.y, 255, 160, 40, 3 * 255)
    zorbix.playSound("/data/sounds/pop.caf", self.x, self.y)
    Cannon.alive = Cannon.alive - 1
    self:destroy()
    if self.onDestroyed ~= nil then
        self.onDestroyed(self)
    end
end

function Cannon:update()
    if self.mustBeDestroyed then
        return
    end
    local hits = self:hits()
    if hits >= self.strength then
        self:explode()
        return
    end
    if hits ~= self.lastHits then
        self.lastHits = hits
        self.flash = 4
    end
    if self.flash > 0 then
        self.flash = self.flash - 1
        self:setFrame(1)
    else
        self:setFrame(0)
    end
    if playerShip == nil then
        return
    end
    local sx, sy = zorbix.getEntityX(playerShip), zorbix.getEntityY(playerShip)
    self.angle = angleTo(self.x, self.y, sx, sy)
    self:setAngle(self.angle)
    self.cooldown = self.cooldown - 1
    if self.cooldown <= 0 then
        self.cooldown = self.delay
        if shipIsWithin(self.x, self.y, self.range) then
            local bx, by = pointAt(self.x, self.y, self.angle, MUZZLE)
            zorbix.newBadBullet(bx, by, self.angle, self.speed, 255, 120, 40)
        end
    end
end
