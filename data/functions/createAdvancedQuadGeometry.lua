-- Wall geometry for level scripts: convex quads with their corners in order
-- and their first side (corner 1 to corner 2) toward the play area, since a
-- quad wall pushes what enters it back onto that side; walls along polygon
-- outlines; and the frame around a level.
--
-- A quad is a table of eight integers {x1, y1, x2, y2, x3, y3, x4, y4}.
require "/data/functions/commonScriptFunctions"

-- Twice the signed area of the triangle a, b, c: positive when the turn
-- a -> b -> c is counter-clockwise.
local function turn(ax, ay, bx, by, cx, cy)
    return (bx - ax) * (cy - ay) - (by - ay) * (cx - ax)
end

-- Whether the quad is convex with its corners in order around it (either
-- way round). Three corners in a line are allowed; a quad of no area is not.
function isConvexQuad(q)
    local positive, negative = false, false
    local area = 0
    for k = 0, 3 do
        local a = 2 * k
        local b = 2 * ((k + 1) % 4)
        local c = 2 * ((k + 2) % 4)
        local t = turn(q[a + 1], q[a + 2], q[b + 1], q[b + 2], q[c + 1], q[c + 2])
        if t > 0 then
            positive = true
        elseif t < 0 then
            negative = true
        end
        area = area + q[a + 1] * q[b + 2] - q[b + 1] * q[a + 2]
    end
    return area ~= 0 and not (positive and negative)
end

-- The four corners sorted counter-clockwise around their centre, starting
-- from the corner of the smallest angle.
function orderQuadCorners(q)
    local cx4 = q[1] + q[3] + q[5] + q[7]
    local cy4 = q[2] + q[4] + q[6] + q[8]
    local corners = {}
    for k = 0, 3 do
        local x, y = q[2 * k + 1], q[2 * k + 2]
        corners[k + 1] = { x = x, y = y, angle = math.atan2(4 * y - cy4, 4 * x - cx4) }
    end
    table.sort(corners, function(a, b)
        if a.angle ~= b.angle then
            return a.angle < b.angle
        end
        if a.x ~= b.x then
            return a.x < b.x
        end
        return a.y < b.y
    end)
    local out = {}
    for k = 1, 4 do
        out[#out + 1] = corners[k].x
        out[#out + 1] = corners[k].y
    end
    return out
end

-- The same quad (corners in order) started at the corner that makes its
-- first side the one that faces the point (px, py) most directly: the side
-- with the point farthest out beyond it. A point inside the quad leaves the
-- order as it is.
function faceFirstSideToward(q, px, py)
    local cx4 = q[1] + q[3] + q[5] + q[7]
    local cy4 = q[2] + q[4] + q[6] + q[8]
    local best, bestDistance = 0, 0
    for k = 0, 3 do
        local ax, ay = q[2 * k + 1], q[2 * k + 2]
        local b = 2 * ((k + 1) % 4)
        local bx, by = q[b + 1], q[b + 2]
        local length = math.sqrt(sqrDistance(ax, ay, bx, by))
        if length > 0 then
            local centreSide = turn(4 * ax, 4 * ay, 4 * bx, 4 * by, cx4, cy4)
            local pointSide = turn(ax, ay, bx, by, px, py)
            -- Beyond the side: the point and the centre lie on opposite sides.
            if sign(pointSide) == -sign(centreSide) and centreSide ~= 0 then
                local d = math.abs(pointSide) / length
                if d > bestDistance then
                    best, bestDistance = k, d
                end
            end
        end
    end
    local out = {}
    for k = 0, 3 do
        local c = 2 * ((best + k) % 4)
        out[#out + 1] = q[c + 1]
        out[#out + 1] = q[c + 2]
    end
    return out
end

-- The collision shape of an ordered quad, with the flag word when given.
function newQuadShape(q, flag)
    if flag then
        return zorbix.newCollisionQuadWithFlag(q[1], q[2], q[3], q[4], q[5], q[6], q[7], q[8], flag)
    end
    return zorbix.newCollisionQuad(q[1], q[2], q[3], q[4], q[5], q[6], q[7], q[8])
end

-- The quad of four corners in any order, in order and with its first side
-- toward the play-area point (px, py), without making anything: levels keep
-- their walls as such quads, and their background graphics draw the same
-- ones. A set of corners that makes no convex quad is an error in the level.
function wallQuad(corners, px, py)
    local q = faceFirstSideToward(orderQuadCorners(corners), px, py)
    if not isConvexQuad(q) then
        error("wall corners make no convex quad: " .. table.concat(corners, " "))
    end
    return q
end

-- An upright rectangle from (x, y), w wide and h high, as wallQuad makes it.
function boxQuad(x, y, w, h, px, py)
    return wallQuad({ x, y, x + w, y, x + w, y + h, x, y + h }, px, py)
end

-- The four quads, `thickness` thick, along the inside of a level of the
-- given size, each facing its middle.
function frameWallQuads(width, height, thickness)
    local cx, cy = width / 2, height / 2
    return {
        boxQuad(0, 0, width, thickness, cx, cy),
        boxQuad(0, height - thickness, width, thickness, cx, cy),
        boxQuad(0, 0, thickness, height, cx, cy),
        boxQuad(width - thickness, 0, thickness, height, cx, cy),
    }
end

-- Makes a quad wall from four corners in any order, its first side toward
-- the play-area point (px, py). An optional flag word is passed on (2: shots
-- bounce). Returns the shape's handle and the ordered corners.
function newWallQuad(corners, px, py, flag)
    local q = wallQuad(corners, px, py)
    return newQuadShape(q, flag), q
end

-- An upright rectangular wall from (x, y), w wide and h high.
function newBoxWall(x, y, w, h, px, py, flag)
    return newWallQuad({ x, y, x + w, y, x + w, y + h, x, y + h }, px, py, flag)
end

-- Makes walls of quads that are already in order (wallQuad, outlineToQuads);
-- returns their handles.
function createWalls(quads, flag)
    local shapes = {}
    for _, q in ipairs(quads) do
        if not isConvexQuad(q) then
            error("wall quad is not convex: " .. table.concat(q, " "))
        end
        shapes[#shapes + 1] = newQuadShape(q, flag)
    end
    return shapes
end

-- The four walls along the inside of a level; returns their handles.
function createFrameWalls(width, height, thickness)
    return createWalls(frameWallQuads(width, height, thickness))
end

-- The signed area of a closed outline {x1, y1, x2, y2, ...}, doubled:
-- positive when its corners go counter-clockwise.
function outlineArea2(coords)
    local n = #coords / 2
    local area = 0
    for k = 0, n - 1 do
        local a = 2 * k
        local b = 2 * ((k + 1) % n)
        area = area + coords[a + 1] * coords[b + 2] - coords[b + 1] * coords[a + 2]
    end
    return area
end

-- The quads of a wall band along a closed outline: one per side, the side
-- itself as the quad's first side, and the band `thickness` deep on the far
-- side from the play area. With playAreaInside the play area is inside the
-- outline (a room), else outside it (an obstacle, at least 2 * thickness
-- across). Each quad is a parallelogram, so always convex.
function outlineToQuads(coords, thickness, playAreaInside)
    local n = #coords / 2
    local counterClockwise = outlineArea2(coords) > 0
    -- The left normal (-dy, dx) of a counter-clockwise outline points inside
    -- it; away from the play area is along it or against it.
    local away = -1
    if counterClockwise ~= playAreaInside then
        away = 1
    end
    local quads = {}
    for k = 0, n - 1 do
        local a = 2 * k
        local b = 2 * ((k + 1) % n)
        local ax, ay, bx, by = coords[a + 1], coords[a + 2], coords[b + 1], coords[b + 2]
        local length = math.sqrt(sqrDistance(ax, ay, bx, by))
        if length > 0 then
            local ox = away * -(by - ay) * thickness / length
            local oy = away * (bx - ax) * thickness / length
            quads[#quads + 1] = { ax, ay, bx, by, bx + ox, by + oy, ax + ox, ay + oy }
        end
    end
    return quads
end

-- Makes the walls of outlineToQuads; returns their handles.
function createOutlineWalls(coords, thickness, playAreaInside, flag)
    return createWalls(outlineToQuads(coords, thickness, playAreaInside), flag)
end

-- An obstacle that things meet from every side: one quad per side of the
-- rectangle, each facing out, reaching halfway in (a single quad would push
-- whatever enters it from behind through to its first side).
function boxObstacleQuads(x, y, w, h)
    return outlineToQuads({ x, y, x + w, y, x + w, y + h, x, y + h }, minOf(w, h) / 2, false)
end

-- The same for a convex outline {x1, y1, ...}; depth: how far in each quad reaches.
function obstacleQuads(coords, depth)
    return outlineToQuads(coords, depth, false)
end

-- Appends the quads of `more` to `quads`; returns quads.
function appendQuads(quads, more)
    for _, q in ipairs(more) do
        quads[#quads + 1] = q
    end
    return quads
end

-- The corners of a regular polygon of `sides` corners around (cx, cy), the
-- first at startAngle degrees (default 0), counter-clockwise: {x1, y1, ...}.
function regularOutline(cx, cy, radius, sides, startAngle)
    local coords = {}
    for k = 0, sides - 1 do
        local x, y = pointAt(cx, cy, (startAngle or 0) + 360 * k / sides, radius)
        coords[#coords + 1] = x
        coords[#coords + 1] = y
    end
    return coords
end

-- Appends to quads the obstacle quads of eight-sided rocks {x, y, radius};
-- returns quads.
function appendRockQuads(quads, rocks)
    for _, r in ipairs(rocks) do
        appendQuads(quads, obstacleQuads(regularOutline(r[1], r[2], r[3], 8, 22), r[3] / 2))
    end
    return quads
end
