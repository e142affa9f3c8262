-- Background of Swarm: the walls and the lanes, drawn as dashed tracks.
require "/data/functions/commonGraphicFunctions"
require "/data/levels/campaign1/swarm/swarm"

graphic = new2DGraphic(1)
local f = graphic[1]
for _, q in ipairs(levelQuads) do
    add2DLines(f, q, getColor(255, 200, 80), true)
end
for _, x in ipairs(LANES) do
    for y = 60, H - 120, 120 do
        add2DLine(f, x - 30, y, x - 30, y + 60, getColor(90, 70, 30))
        add2DLine(f, x + 30, y, x + 30, y + 60, getColor(90, 70, 30))
    end
end
