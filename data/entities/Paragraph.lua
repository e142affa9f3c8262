-- Text over several lines, one script entity per line, centred on a point of
-- the world (or left-aligned from it), each line under the one before. The
-- world's +x is up on the screen: lines are turned by -90 degrees, run
-- toward -y and follow each other toward -x.
--
--   Paragraph.new({"^2Destroy the cannons", "", "The arrow shows the way"}, 1000, 900)
require "/data/entities/LuaEntity"
require "/data/functions/commonScriptFunctions"

-- Line height of the font (20 units) with its gap.
local LINE_HEIGHT = 30

Paragraph = LuaEntity.subclass()

-- zoom scaled by 255 (default 1 x); centred unless leftAligned.
function Paragraph.new(lines, x, y, zoom, leftAligned)
    local o = LuaEntity.new(LuaEntity, false, x, y)
    setmetatable(o, Paragraph)
    o:setHidden(true)
    o.zoom = zoom or 255
    o.leftAligned = leftAligned or false
    o.lines = {}
    o:setLines(lines)
    return o
end

-- Replaces the text.
function Paragraph:setLines(lines)
    self:clearLines()
    for k, text in ipairs(lines) do
        local line = LuaEntity.new(LuaEntity, false, self.x, self.y)
        line:setText(text)
        line:setZoom(self.zoom)
        line:setAngle(-90)
        self.lines[k] = line
    end
    self:layOut()
end

function Paragraph:layOut()
    for k, line in ipairs(self.lines) do
        local y = self.y
        local width = zorbix.getEntityTextWidth(line.ptr)
        if not self.leftAligned then
            y = y + width / 2
        end
        if mapHeight ~= nil then
            y = clamp(y, minOf(width, mapHeight), mapHeight)
        end
        line:setXY(self.x - (k - 1) * LINE_HEIGHT * self.zoom / 255, y)
    end
end

function Paragraph:clearLines()
    for _, line in ipairs(self.lines) do
        line:destroy()
    end
    self.lines = {}
end

function Paragraph:moveTo(x, y)
    self:setXY(x, y)
    self:layOut()
end

function Paragraph:setLinesColor(r, g, b, a)
    for _, line in ipairs(self.lines) do
        line:setColor(r, g, b, a)
    end
end

-- Removes the text.
function Paragraph:remove()
    self:clearLines()
    self:destroy()
end
