-- Timed messages: a text in the world, centred on a point or held above the
-- ship (the world's +x is up on the screen, so texts are turned by -90
-- degrees to read from left to right), that fades out over its last second and then removes itself. The
-- text keeps its colour codes until the fade, which draws it in white. It
-- stays inside the level set with setLevelSize; a message over the ship
-- whose `inView` is set stays centred on the ship instead, as the view is:
-- the picture runs past the level's edge when the ship is at a wall, so such
-- a text is whole in the picture wherever the ship is.
--
--   createMessage("^2Destroy the cannons", 240)          -- above the ship
--   createMessage("Gate open", 180, 500, 300, 3 * 255)   -- at (500, 300), 3x
require "/data/entities/LuaEntity"
require "/data/functions/commonScriptFunctions"

-- Steps of the fade at the end of a message.
local FADE_STEPS = 60
-- Height of the text above the ship, in world units.
local ABOVE_SHIP = 110

Message = setmetatable({}, { __index = LuaEntity })
Message.__index = Message

-- duration in steps; without x and y the message follows the ship; zoom is
-- scaled by 255 (default 1 x: the font is 20 units high).
function Message.new(text, duration, x, y, zoom)
    local o = LuaEntity.new(LuaEntity, false, x or 0, y or 0)
    setmetatable(o, Message)
    o.followsShip = x == nil or y == nil
    o.inView = false
    o.left = duration
    o.zoom = zoom or 255
    o.centreX = x or 0
    o.centreY = y or 0
    o:setText(text)
    o:setZoom(o.zoom)
    o:setAngle(-90)
    o:place()
    return o
end

-- The text is centred on its point: it starts half its width before it,
-- and runs toward -y.
function Message:place()
    local cx, cy = self.centreX, self.centreY
    if self.followsShip and playerShip ~= nil then
        cx = zorbix.getEntityX(playerShip) + ABOVE_SHIP
        cy = zorbix.getEntityY(playerShip)
    end
    local width = zorbix.getEntityTextWidth(self.ptr)
    local y = cy + width / 2
    if mapWidth ~= nil and not (self.followsShip and self.inView) then
        y = clamp(y, minOf(width, mapHeight), mapHeight)
        cx = clamp(cx, 0, mapWidth)
    end
    self:setXY(cx, y)
end

function Message:update()
    self.left = self.left - 1
    if self.left <= 0 then
        self:destroy()
        return
    end
    if self.left < FADE_STEPS then
        self:setColor(255, 255, 255, 255 * self.left / FADE_STEPS)
    end
    self:place()
end

-- A timed message; returns it (message:destroy() removes it early).
function createMessage(text, duration, x, y, zoom)
    return Message.new(text, duration, x, y, zoom)
end

-- A short text that floats up from a point and fades (the game's own effect).
function createFloatingMessage(text, x, y, r, g, b)
    zorbix.newFloatingMessage(x, y, text, r or 255, g or 255, b or 255)
end
