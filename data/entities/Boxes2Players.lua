-- Boxes that either of two linked ships collects: the ship or its ally
-- (Player:setAlly), whichever flies within reach first.
--
--   player:setAlly(600, 400)
--   boxes = Boxes2Players.new()
require "/data/entities/Boxes"

Boxes2Players = setmetatable({}, { __index = Boxes })
Boxes2Players.__index = Boxes2Players

function Boxes2Players.new()
    local o = Boxes.new()
    setmetatable(o, Boxes2Players)
    return o
end

function Boxes2Players:isTakenAt(x, y)
    if shipIsWithin(x, y, self.reach) then
        return true
    end
    local p = Player.current
    if p == nil or p.ally == nil or not p:isAlive() then
        return false
    end
    return isWithin(zorbix.getEntityX(p.ally), zorbix.getEntityY(p.ally), x, y, self.reach)
end
