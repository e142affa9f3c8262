-- Background of Expulsors: the canyon walls and ledges, and wind streaks
-- along it.
require "/data/functions/commonGraphicFunctions"
require "/data/levels/campaign0/expulsors/expulsors"

graphic = new2DGraphic(1)
local f = graphic[1]
for _, q in ipairs(levelQuads) do
    add2DLines(f, q, getColor(230, 200, 120), true)
end
local wind = getColor(40, 70, 70)
for k = 0, 40 do
    local x = 100 + (k * 373) % 1200
    local y = 100 + (k * 811) % 3300
    add2DLines(f, { x, y, x + 10, y + 60, x, y + 120 }, wind)
end
for _, m in ipairs(MINES) do
    addCircle(f, m[1], m[2], 160, 24, getColor(70, 30, 30))
end
