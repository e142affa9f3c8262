-- The final boss's cannon. Frame 0: four guide lines 5000 long along +x, 50
-- from the axis, red fading to orange at the far end (the frame is turned
-- about x as it is drawn); frame 1: one ring of the beam, a helix turn 100
-- long and 50 wide, white.
require "/data/functions/commonGraphicFunctions"

local near = getColor(255, 40, 40)
local far = getColor(255, 160, 0, 120)
local white = getColor(255, 255, 255)

graphic = new3DGraphic(2)
local guides = graphic[1]
for k = 0, 3 do
    local a = 90 * k
    local y = scaleBy256(50, math.cos(a))
    local z = scaleBy256(50, math.sin(a))
    addLine(guides, 0, y, z, 1000, y, z, near)
    addLine(guides, 1000, y, z, 5000, y, z, far)
end
local ring = graphic[2]
local coords = {}
for k = 0, 24 do
    local a = 15 * k
    coords[#coords + 1] = 100 * k / 24
    coords[#coords + 1] = scaleBy256(50, math.cos(a))
    coords[#coords + 1] = scaleBy256(50, math.sin(a))
end
add3DLines(ring, coords, white)
