-- Symmetry's walls, generated: one quarter of the arena's pillars mirrored
-- into the other three, as corner lists {x1, y1, ..., x4, y4} in any order,
-- and the starting points of the back-and-forth enemies.
symmetryPillars = {}
symmetryEnemies = {}

local W, H = 1600, 1200
local quarter = {
    { 300, 250, 420, 250, 420, 330, 300, 330 },
    { 560, 420, 640, 420, 640, 520, 560, 520 },
    { 200, 480, 260, 480, 260, 540, 200, 540 },
}
local enemies = { { 500, 200 }, { 250, 400 }, { 700, 320 } }

for sx = 0, 1 do
    for sy = 0, 1 do
        for _, q in ipairs(quarter) do
            local m = {}
            for k = 1, 8, 2 do
                local x, y = q[k], q[k + 1]
                if sx == 1 then x = W - x end
                if sy == 1 then y = H - y end
                m[#m + 1] = x
                m[#m + 1] = y
            end
            symmetryPillars[#symmetryPillars + 1] = m
        end
        for _, e in ipairs(enemies) do
            local x, y = e[1], e[2]
            if sx == 1 then x = W - x end
            if sy == 1 then y = H - y end
            symmetryEnemies[#symmetryEnemies + 1] = { x, y }
        end
    end
end
