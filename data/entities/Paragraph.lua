-- Text over several lines, one script entity per line, centred on a point of
-- the world (or left-aligned from it), each line under the one before.
--
--   Paragraph.new({"^2Destroy the cannons", "", "The arrow shows the way"}, 1000, 900)
require "/data/entities/LuaEntity"

-- Line height of the font (20 units) with its gap.
local LINE_HEIGHT = 30

Paragraph = setmetatable({}, { __index = LuaEntity })
Paragraph.__index = Paragraph

-- zoom scaled by 255 (default 2 x); centred unless leftAligned.
function Paragraph.new(lines, x, y, zoom, leftAligned)
    local o = LuaEntity.new(LuaEntity, false, x, y)
    setmetatable(o, Paragraph)
    o:setHidden(true)
    o.zoom = zoom or 2 * 255
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
        self.lines[k] = line
    end
    self:layOut()
end

function Paragraph:layOut()
    for k, line in ipairs(self.lines) do
        local x = self.x
        if not self.leftAligned then
            x = x - zorbix.getEntityTextWidth(line.ptr) / 2
        end
        line:setXY(x, self.y - (k - 1) * LINE_HEIGHT * self.zoom / 255)
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
