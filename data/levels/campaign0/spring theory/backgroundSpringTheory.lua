-- Background of Spring Theory: the walls, the two anchors as coils, and
-- faint field lines between them.
require "/data/functions/commonGraphicFunctions"
require "/data/levels/campaign0/spring theory/spring theory"

graphic = new2DGraphic(1)
local f = graphic[1]
for _, q in ipairs(levelQuads) do
    add2DLines(f, q, getColor(160, 160, 255), true)
end
for _, a in ipairs(ANCHORS) do
    for r = 20, 60, 20 do
        addCircle(f, a[1], a[2], r, 12, getColor(200, 200, 90))
    end
end
-- The ropes' reach, and the ring circle just beyond it.
addCircle(f, START_X, START_Y, 1000, 48, getColor(40, 40, 90))
addCircle(f, START_X, START_Y, 1050, 48, getColor(30, 60, 90))
