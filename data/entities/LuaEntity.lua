-- LuaEntity: the script side of an entity drawn and moved by the game.
-- Every live script entity sits in the array luaEntities; the global update
-- below updates each of them once per step and removes the destroyed ones.

luaEntities = luaEntities or {}

-- The module and its hot functions, looked up once rather than every call.
local zorbix = zorbix
local setEntityDestroy = zorbix.setEntityDestroy
local setLuaEntityFrame = zorbix.setLuaEntityFrame

LuaEntity = {}

function LuaEntity:new(detectCollisionWithWall, x, y)
    local o = {}
    setmetatable(o, self)
    self.__index = self
    o.indexInTable = #luaEntities + 1
    luaEntities[o.indexInTable] = o
    if detectCollisionWithWall then
        o.ptr = zorbix.newLuaEntity(0, 0, true)
    else
        o.ptr = zorbix.newLuaEntity(0, 0, false)
    end
    o.mustBeDestroyed = false
    o.hasCustomColor = false
    o.x = x or 0
    o.y = y or 0
    zorbix.setEntityXY(o.ptr, o.x, o.y)
    zorbix.setLuaEntityHidden(o.ptr, false)
    zorbix.setLuaEntityAngle(o.ptr, 0)
    return o
end

-- Subclasses put their behaviour here.
local function doNothing()
end
LuaEntity.update = doNothing

-- A class of its own deriving from LuaEntity: the base's methods are copied
-- in, so that a call finds its function in the class itself rather than one
-- lookup further down the chain; the base stays behind __index for anything
-- added to it later.
function LuaEntity.subclass()
    local class = {}
    for name, value in pairs(LuaEntity) do
        class[name] = value
    end
    class.__index = class
    return setmetatable(class, { __index = LuaEntity })
end

function LuaEntity:setGraphic(fileName)
    zorbix.setLuaEntityVectorModel(self.ptr, zorbix.getGraphic(fileName))
end

function LuaEntity:setFrame(frame)
    setLuaEntityFrame(self.ptr, frame)
end

function LuaEntity:setAngle(angle)
    zorbix.setLuaEntityAngle(self.ptr, angle)
end

function LuaEntity:setAngle2(angle)
    zorbix.setLuaEntityAngle2(self.ptr, angle)
end

function LuaEntity:setRotation(angle, rx, ry, rz)
    zorbix.setLuaEntityRotation(self.ptr, angle, rx, ry, rz)
end

function LuaEntity:setZoom(zoom)
    zorbix.setLuaEntityZoom(self.ptr, zoom)
end

function LuaEntity:setScale(sx, sy, sz)
    zorbix.setLuaEntityScale(self.ptr, sx, sy, sz)
end

function LuaEntity:setText(text)
    zorbix.setLuaEntityText(self.ptr, text)
end

function LuaEntity:setColor(r, g, b, a)
    self.hasCustomColor = true
    zorbix.setLuaEntityColor(self.ptr, r, g, b, a)
end

function LuaEntity:getDistanceFromPlayer()
    return zorbix.getEntityDistanceFromPlayer(self.ptr)
end

function LuaEntity:getSquareDistanceFromPlayer()
    return zorbix.getEntitySqrDistanceFromPlayer(self.ptr)
end

function LuaEntity:setXY(x, y)
    self.x = x
    self.y = y
    zorbix.setEntityXY(self.ptr, x, y)
end

function LuaEntity:setXYZ(x, y, z)
    self.x = x
    self.y = y
    zorbix.setEntityXY(self.ptr, x, y)
    zorbix.setEntityZ(self.ptr, z)
end

function LuaEntity:setZ(z)
    zorbix.setEntityZ(self.ptr, z)
end

function LuaEntity:setVxVy(vx, vy)
    zorbix.setLuaEntityVxVy(self.ptr, vx, vy)
end

function LuaEntity:setHidden(hidden)
    self.hidden = hidden
    zorbix.setLuaEntityHidden(self.ptr, hidden)
end

-- Marks the entity; update() removes it after its turn in the pass. The
-- array notes that one is marked, so that a pass with none skips the walk.
function LuaEntity:destroy()
    self.mustBeDestroyed = true
    luaEntities.destroyPending = true
end

-- Deletes the native entity and fills the hole with the last element.
function LuaEntity:reallyDestroy()
    zorbix.setEntityDestroy(self.ptr, 1)
    local last = #luaEntities
    local moved = luaEntities[last]
    luaEntities[self.indexInTable] = moved
    moved.indexInTable = self.indexInTable
    luaEntities[last] = nil
end

-- One pass: every entity present at the start is updated exactly once, in
-- table order; entities made during the pass wait for the next one. The
-- destroyed ones leave afterwards, the survivors closing up in their order.
-- An entity without behaviour of its own is not called at all, the table
-- is only walked for destroyed entities when destroy() marked one since the
-- last pass, and only rewritten from the first destroyed entity on.
function update()
    local entities = luaEntities
    local size = #entities
    for i = 1, size do
        local entity = entities[i]
        if entity then
            local step = entity.update
            if step ~= doNothing then
                step(entity)
            end
        end
    end
    entities = luaEntities
    if not entities.destroyPending then
        return
    end
    entities.destroyPending = nil
    local count = #entities
    local first = count + 1
    for i = 1, count do
        if entities[i].mustBeDestroyed then
            first = i
            break
        end
    end
    local kept = first - 1
    for i = first, count do
        local entity = entities[i]
        if entity.mustBeDestroyed then
            setEntityDestroy(entity.ptr, 1)
        else
            kept = kept + 1
            entities[kept] = entity
            entity.indexInTable = kept
        end
    end
    for i = count, kept + 1, -1 do
        entities[i] = nil
    end
end
