-- Boxes for the ship to collect: spinning cubes, each taken when the ship
-- flies within reach of it. The collection is one hidden entity; it counts
-- what was taken and calls onCollect(boxes, x, y) for each box.
--
--   boxes = Boxes.new()
--   boxes:add(300, 400)
--   boxes.onCollect = function(b, x, y) zorbix.increaseScore(100) end
require "/data/entities/Player"

-- Distance from a box's centre at which the ship takes it.
local REACH = 45

Box = LuaEntity.subclass()

function Box.new(x, y, spin)
    local o = LuaEntity.new(LuaEntity, false, x, y)
    setmetatable(o, Box)
    o.angle = spin
    o:setGraphic("/data/entities/cubeGraphic.lua")
    o:setColor(255, 60, 60, 255)
    return o
end

function Box:update()
    self.angle = (self.angle + 3) % 360
    self:setRotation(self.angle, 120, 200, 80)
end

Boxes = LuaEntity.subclass()

function Boxes.new()
    local o = LuaEntity.new(LuaEntity, false, 0, 0)
    setmetatable(o, Boxes)
    o:setHidden(true)
    o.boxes = {}
    o.collected = 0
    o.reach = REACH
    o.onCollect = nil
    return o
end

function Boxes:add(x, y)
    local box = Box.new(x, y, (#self.boxes * 37) % 360)
    self.boxes[#self.boxes + 1] = box
    return box
end

function Boxes:remaining()
    return #self.boxes
end

-- Whether a ship takes a box at (x, y).
function Boxes:isTakenAt(x, y)
    return shipIsWithin(x, y, self.reach)
end

function Boxes:take(k)
    local box = table.remove(self.boxes, k)
    self.collected = self.collected + 1
    zorbix.newExplosion(box.x, box.y, 255, 60, 60, 30)
    zorbix.playSound("/data/sounds/bonus.caf", box.x, box.y)
    box:destroy()
    if self.onCollect ~= nil then
        self.onCollect(self, box.x, box.y)
    end
end

-- Takes every box at once: what the level's test does in place of a pilot.
function Boxes:takeAll()
    while #self.boxes > 0 do
        self:take(#self.boxes)
    end
end

function Boxes:update()
    local k = 1
    while k <= #self.boxes do
        local box = self.boxes[k]
        if self:isTakenAt(box.x, box.y) then
            self:take(k)
        else
            k = k + 1
        end
    end
end
