-- An infinity background: dim hexagonal rings around the centre of the arena,
-- joined by spokes, with a brighter ring every third one. About 2400 units
-- across, drawn behind the play area.
require "/data/functions/commonGraphicFunctions"

local dim = getColor(40, 10, 70)
local bright = getColor(90, 30, 140)

graphic = new2DGraphic(1)
local f = graphic[1]
for ring = 1, 9 do
    local color = dim
    if ring % 3 == 0 then
        color = bright
    end
    addCircle(f, 0, 0, 130 * ring, 6, color)
end
for k = 0, 5 do
    local a = 60 * k
    add2DLine(f, scaleBy256(130, math.cos(a)), scaleBy256(130, math.sin(a)),
              scaleBy256(1170, math.cos(a)), scaleBy256(1170, math.sin(a)), bright)
end
