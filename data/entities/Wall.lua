-- A quad wall with a drawn outline: the collision quad (corners in any order,
-- first side toward a play-area point) and four flat lines along its sides.
-- A wall made during play starts colliding at once; remove() takes it away.
--
--   local door = Wall.new({900, 400, 940, 400, 940, 800, 900, 800}, 500, 600)
--   door:setColor(255, 80, 80)
require "/data/entities/LuaEntity"
require "/data/functions/createAdvancedQuadGeometry"

-- The side lines are the link bolts of wallGraphic pressed flat: a frame
-- spans x -382..382, so a side of length L takes an x scale of L / 764.
local WALL_GRAPHIC = "/data/entities/wallGraphic.lua"
local GRAPHIC_LENGTH = 764

Wall = LuaEntity.subclass()

function Wall.new(corners, px, py, flag)
    local shape, q = newWallQuad(corners, px, py, flag)
    local o = LuaEntity.new(LuaEntity, false, (q[1] + q[3] + q[5] + q[7]) / 4, (q[2] + q[4] + q[6] + q[8]) / 4)
    setmetatable(o, Wall)
    o:setHidden(true)
    o.shape = shape
    o.quad = q
    o.sides = {}
    for k = 0, 3 do
        local ax, ay = q[2 * k + 1], q[2 * k + 2]
        local b = 2 * ((k + 1) % 4)
        local bx, by = q[b + 1], q[b + 2]
        local side = LuaEntity.new(LuaEntity, false, (ax + bx) / 2, (ay + by) / 2)
        side:setGraphic(WALL_GRAPHIC)
        side:setFrame(k)
        side:setAngle(angleTo(ax, ay, bx, by))
        side:setScale(distance(ax, ay, bx, by) * 255 / GRAPHIC_LENGTH, 0, 255)
        side:setColor(255, 40, 40, 255)
        o.sides[k + 1] = side
    end
    return o
end

-- An upright rectangular wall from (x, y), w wide and h high.
function Wall.newBox(x, y, w, h, px, py, flag)
    return Wall.new({ x, y, x + w, y, x + w, y + h, x, y + h }, px, py, flag)
end

function Wall:setColor(r, g, b, a)
    for _, side in ipairs(self.sides) do
        side:setColor(r, g, b, a or 255)
    end
end

-- Stops the collision and removes the outline.
function Wall:remove()
    if self.shape ~= nil then
        zorbix.removeCollision(self.shape)
        self.shape = nil
    end
    for _, side in ipairs(self.sides) do
        side:destroy()
    end
    self:destroy()
end
