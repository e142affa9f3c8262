-- The background grid behind every screen: a square grid cut to a disc, with
-- a brighter line every fourth line and a rim. The game turns and tilts it.
require "/data/functions/commonGraphicFunctions"

local radius = 560
local spacing = 35
local minor = getColor(0, 32, 84)
local major = getColor(20, 90, 190)

local function isqrt(n)
    local r = 0
    while (r + 1) * (r + 1) <= n do
        r = r + 1
    end
    return r
end

graphic = new2DGraphic(1)
local frame = graphic[1]
local count = radius / spacing
for k = -count + 1, count - 1 do
    local offset = k * spacing
    local reach = isqrt(radius * radius - offset * offset)
    local color = minor
    if k % 4 == 0 then
        color = major
    end
    add2DLine(frame, offset, -reach, offset, reach, color)
    add2DLine(frame, -reach, offset, reach, offset, color)
end
addCircle(frame, 0, 0, radius, 96, major)
