-- A tower for city decoration: three stacked tiers, each narrower than the
-- one below, with an antenna; 300 units high along +z, in 3-D.
require "/data/functions/commonGraphicFunctions"

local wall = getColor(140, 80, 220)
local light = getColor(255, 60, 60)

graphic = new3DGraphic(1)
local f = graphic[1]
local tiers = { { 60, 0, 140 }, { 42, 140, 230 }, { 24, 230, 290 } }
for _, t in ipairs(tiers) do
    local h, z0, z1 = t[1], t[2], t[3]
    add3DLines(f, { -h, -h, z0, h, -h, z0, h, h, z0, -h, h, z0 }, wall, true)
    add3DLines(f, { -h, -h, z1, h, -h, z1, h, h, z1, -h, h, z1 }, wall, true)
    for _, c in ipairs({ { -h, -h }, { h, -h }, { h, h }, { -h, h } }) do
        addLine(f, c[1], c[2], z0, c[1], c[2], z1, wall)
    end
end
addLine(f, 0, 0, 290, 0, 0, 340, wall)
addCircle(f, 0, 0, 5, 6, light, 340)
