-- An arrow beside the ship that points to a target: a point, or an entity
-- through its handle. It hides when the target is near enough to be seen,
-- when there is no target, and while the ship is lost.
--
--   arrow = Arrow.new()
--   arrow:setTarget(1500, 300)
require "/data/entities/Player"

-- Distance of the arrow from the ship.
local OFFSET = 90
-- Within this distance the target is in sight and the arrow hides.
local HIDE_WITHIN = 300

local getEntityX = zorbix.getEntityX
local getEntityY = zorbix.getEntityY

Arrow = LuaEntity.subclass()

function Arrow.new(r, g, b)
    local o = LuaEntity.new(LuaEntity, false, 0, 0)
    setmetatable(o, Arrow)
    o:setGraphic("/data/entities/arrowGraphic.lua")
    if r ~= nil then
        o:setColor(r, g, b, 255)
    end
    o.hideWithin = HIDE_WITHIN
    o:setHidden(true)
    return o
end

function Arrow:setTarget(x, y)
    self.targetX, self.targetY, self.targetEntity = x, y, nil
end

function Arrow:setTargetEntity(handle)
    self.targetEntity = handle
end

function Arrow:clearTarget()
    self.targetX, self.targetY, self.targetEntity = nil, nil, nil
end

function Arrow:update()
    local tx, ty = self.targetX, self.targetY
    if self.targetEntity ~= nil then
        tx, ty = getEntityX(self.targetEntity), getEntityY(self.targetEntity)
    end
    local alive = Player.current == nil or Player.current:isAlive()
    if tx == nil or playerShip == nil or not alive or shipIsWithin(tx, ty, self.hideWithin) then
        if not self.hidden then
            self:setHidden(true)
        end
        return
    end
    local sx, sy = getEntityX(playerShip), getEntityY(playerShip)
    local a = angleTo(sx, sy, tx, ty)
    local x, y = pointAt(sx, sy, a, OFFSET)
    self:setXY(x, y)
    self:setAngle(a)
    if self.hidden then
        self:setHidden(false)
    end
end
