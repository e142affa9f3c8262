-- The ring under the selected ship and around a marked stick: twelve arcs
-- with gaps and four inward ticks, so that its turning shows.
require "/data/functions/commonGraphicFunctions"

local radius = 16
local color = getColor(255, 255, 255)

local function at(r, a)
    return scaleBy256(r, math.cos(a)), scaleBy256(r, math.sin(a))
end

graphic = new2DGraphic(1)
local frame = graphic[1]
for arc = 0, 11 do
    local x1, y1 = at(radius, arc * 30 + 4)
    local x2, y2 = at(radius, arc * 30 + 15)
    local x3, y3 = at(radius, arc * 30 + 26)
    add2DLines(frame, { x1, y1, x2, y2, x3, y3 }, color)
end
for tick = 0, 3 do
    local x1, y1 = at(radius - 4, tick * 90)
    local x2, y2 = at(radius, tick * 90)
    add2DLine(frame, x1, y1, x2, y2, color)
end
