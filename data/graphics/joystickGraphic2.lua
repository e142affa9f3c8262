-- The sticks in the plain style: frames 0 to 2 the knobs, 3 to 5 their bases,
-- for the moving stick, the shooting stick and the moving stick while the
-- ally flies along. The knob travels up to 650 units from the base's centre.
require "/data/functions/commonGraphicFunctions"

local colors = {
    getColor(40, 255, 90),
    getColor(255, 40, 50),
    getColor(60, 120, 255),
}
local dim = {
    getColor(0, 90, 40),
    getColor(100, 0, 15),
    getColor(20, 40, 120),
}

graphic = new2DGraphic(6)
for k = 1, 3 do
    local knob = graphic[k]
    addCircle(knob, 0, 0, 150, 24, colors[k])
    addCircle(knob, 0, 0, 70, 16, colors[k])

    local base = graphic[k + 3]
    addCircle(base, 0, 0, 500, 48, colors[k])
    addCircle(base, 0, 0, 440, 48, dim[k])
    for tick = 0, 7 do
        local a = tick * 45
        add2DLine(base,
            scaleBy256(440, math.cos(a)), scaleBy256(440, math.sin(a)),
            scaleBy256(380, math.cos(a)), scaleBy256(380, math.sin(a)), dim[k])
    end
end
