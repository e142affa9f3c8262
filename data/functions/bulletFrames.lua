-- Builds a player bullet graphic of 180 frames, frame k pointing at 2k - 180
-- degrees: the shape function draws one frame through `line(x1, y1, x2, y2)`
-- and `lines({x1, y1, ...}, closed)`, with points given for the shot pointing
-- along +x; they are turned and rounded to whole units. White, one colour.
require "/data/functions/commonGraphicFunctions"

function newBulletGraphic(shape)
    local white = getColor(255, 255, 255)
    local g = new2DGraphic(180)
    for k = 0, 179 do
        local f = g[k + 1]
        local a = 2 * k - 180
        local c = math.cos(a)
        local s = math.sin(a)
        local function turned(coords)
            local out = {}
            for i = 1, #coords, 2 do
                local x = coords[i]
                local y = coords[i + 1]
                out[#out + 1] = scaleBy256(1, x * c - y * s)
                out[#out + 1] = scaleBy256(1, x * s + y * c)
            end
            return out
        end
        local draw = {
            line = function(x1, y1, x2, y2)
                local p = turned({ x1, y1, x2, y2 })
                add2DLine(f, p[1], p[2], p[3], p[4], white)
            end,
            lines = function(coords, closed)
                add2DLines(f, turned(coords), white, closed)
            end,
        }
        shape(draw)
    end
    return g
end
