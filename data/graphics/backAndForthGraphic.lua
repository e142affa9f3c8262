-- The back-and-forth enemy: two rings of radius 30 that turn about two
-- axes, a half turn over the 20 frames (the rings look the same after it).
require "/data/functions/commonGraphicFunctions"

local function ring(f, axis, turn, color)
    local coords = {}
    local squeeze = math.cos(turn)
    for k = 0, 15 do
        local a = 360 * k / 16
        local u = scaleBy256(30, math.cos(a))
        local v = scaleBy256(30, math.sin(a))
        if axis == 0 then
            coords[#coords + 1] = u * squeeze / 256
            coords[#coords + 1] = v
        else
            coords[#coords + 1] = u
            coords[#coords + 1] = v * squeeze / 256
        end
    end
    add2DLines(f, coords, color, true)
end

graphic = new2DGraphic(20)
for n = 0, 19 do
    local f = graphic[n + 1]
    ring(f, 0, 9 * n, getColor(60, 255, 80))
    ring(f, 1, 9 * n + 45, getColor(0, 200, 255))
    addCircle(f, 0, 0, 6, 6, getColor(255, 255, 255))
end
