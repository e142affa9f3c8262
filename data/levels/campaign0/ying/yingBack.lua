-- Background of Ying: the walls and a large yin-yang on the floor, red on
-- one side and blue on the other.
require "/data/functions/commonGraphicFunctions"
require "/data/levels/campaign0/ying/ying"

graphic = new2DGraphic(1)
local f = graphic[1]
local cx, cy = W / 2, H / 2
local red, blue = getColor(120, 30, 30), getColor(30, 50, 130)
addCircle(f, cx, cy, 700, 48, getColor(90, 90, 90))
local redArc, blueArc = {}, {}
for a = 0, 180, 10 do
    redArc[#redArc + 1] = cx + scaleBy256(350, math.cos(a))
    redArc[#redArc + 1] = cy - 350 + scaleBy256(350, math.sin(a))
    blueArc[#blueArc + 1] = cx - scaleBy256(350, math.cos(a))
    blueArc[#blueArc + 1] = cy + 350 - scaleBy256(350, math.sin(a))
end
add2DLines(f, redArc, red)
add2DLines(f, blueArc, blue)
addCircle(f, cx, cy - 350, 80, 16, blue)
addCircle(f, cx, cy + 350, 80, 16, red)
for _, q in ipairs(levelQuads) do
    add2DLines(f, q, getColor(200, 200, 200), true)
end
