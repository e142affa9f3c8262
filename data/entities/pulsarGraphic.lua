-- A pulsar: a star of eight rays around a core, in 16 frames of one pulse
-- (the rays grow and shrink). White: the level gives it its colour.
require "/data/functions/commonGraphicFunctions"

local FRAMES = 16
local c = getColor(255, 255, 255)
graphic = new2DGraphic(FRAMES)
for k = 0, FRAMES - 1 do
    local f = graphic[k + 1]
    -- 0 .. 256 and back over the pulse.
    local pulse = 128 - math.cos(360 * k / FRAMES) / 2
    local outer = 40 + 20 * pulse / 256
    addCircle(f, 0, 0, 14, 12, c)
    for ray = 0, 7 do
        local a = ray * 45 + k * 3
        add2DLine(f, scaleBy256(18, math.cos(a)), scaleBy256(18, math.sin(a)),
                  scaleBy256(outer, math.cos(a)), scaleBy256(outer, math.sin(a)), c)
    end
    addCircle(f, 0, 0, 28 + 10 * pulse / 256, 16, getColor(255, 255, 255, 120))
end
