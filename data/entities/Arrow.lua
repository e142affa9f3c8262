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
    self.targetX, self.targetY, self.targetEntity = nil, nil, handle
end

function Arrow:clearTarget()
    self.targetX, self.targetY, self.targetEntity = nil, nil, nil
end

-- Reads the ship's place once: the in-sight test is shipIsWithin's, written
-- out (the liveness of the ship is checked just before it).
function Arrow:update()
    local tx, ty = self.targetX, self.targetY
    local target = self.targetEntity
    if target ~= nil then
        tx, ty = getEntityX(target), getEntityY(target)
        -- A gone entity reads at (0, 0): there is nothing to point at, and
        -- its handle is let go, not to be read again.
        if tx == 0 and ty == 0 then
            tx = nil
            self:clearTarget()
        end
    end
    local ship = playerShip
    local current = Player.current
    local hide = tx == nil or ship == nil or (current ~= nil and (current.dead or current.gameOver))
    local sx, sy = 0, 0
    if not hide then
        sx, sy = getEntityX(ship), getEntityY(ship)
        local dx, dy, r = tx - sx, ty - sy, self.hideWithin
        hide = dx * dx + dy * dy <= r * r
    end
    if hide then
        if not self.hidden then
            self:setHidden(true)
        end
        return
    end
    local a = angleTo(sx, sy, tx, ty)
    local x, y = pointAt(sx, sy, a, OFFSET)
    self:setXY(x, y)
    self:setAngle(a)
    if self.hidden then
        self:setHidden(false)
    end
end
