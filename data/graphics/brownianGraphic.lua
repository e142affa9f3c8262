-- The Brownian enemy, white, radius 25: two interlocked tetrahedra (a star
-- that shows its depth as it turns about its axis).
require "/data/functions/commonGraphicFunctions"

local white = getColor(255, 255, 255)

graphic = new3DGraphic(1)
local f = graphic[1]
local h = 14
local corners = {
    { { h, h, h }, { h, -h, -h }, { -h, h, -h }, { -h, -h, h } },
    { { -h, -h, -h }, { -h, h, h }, { h, -h, h }, { h, h, -h } },
}
for t = 1, 2 do
    local p = {}
    for k = 1, 4 do
        p[k] = addPoint(f, corners[t][k][1], corners[t][k][2], corners[t][k][3])
    end
    for i = 1, 3 do
        for j = i + 1, 4 do
            addLineBetween(f, p[i], p[j], white)
        end
    end
end
addCircle(f, 0, 0, 25, 12, white)
