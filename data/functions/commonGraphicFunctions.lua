-- Shared helpers that graphic scripts use to build their "graphic" table.
--
-- A graphic is a list of frames; a frame holds "points" (x, y, ...) or
-- "points3D" (x, y, z, ...), "lines" (pairs of 0-based point indices) and
-- "colors" (one colour table per line). Every helper takes the frame it adds
-- to as its first argument and works on 2-D and 3-D frames alike: on a 2-D
-- frame z values are left out, on a 3-D frame missing z values are 0.
-- Numbers are integers: math.cos and math.sin take degrees and return 256
-- times the value, and "/" truncates.
--
--   graphic = new2DGraphic(1)
--   local f = graphic[1]
--   addRectangle(f, -10, -10, 20, 20, getColor(255, 0, 0))
--   addCircle(f, 0, 0, 15, 16, getColor(0, 255, 0, 128))

-- n empty 2-D frames
function new2DGraphic(n)
    local g = {}
    for i = 1, n do
        g[i] = { points = {}, lines = {}, colors = {} }
    end
    return g
end

-- n empty 3-D frames
function new3DGraphic(n)
    local g = {}
    for i = 1, n do
        g[i] = { points3D = {}, lines = {}, colors = {} }
    end
    return g
end

-- A colour of 0..255 channels; alpha defaults to 255 (opaque).
function getColor(r, g, b, a)
    return { r = r, g = g, b = b, a = a or 255 }
end

local function is3D(frame)
    return frame.points3D ~= nil and (frame.points == nil or #frame.points == 0)
end

-- Appends a point and returns its 0-based index.
function addPoint(frame, x, y, z)
    if is3D(frame) then
        local p = frame.points3D
        p[#p + 1] = x
        p[#p + 1] = y
        p[#p + 1] = z or 0
        return #p / 3 - 1
    end
    if frame.points == nil then
        frame.points = {}
    end
    local p = frame.points
    p[#p + 1] = x
    p[#p + 1] = y
    return #p / 2 - 1
end

-- Joins two existing points (0-based indices) with a line of the colour.
function addLineBetween(frame, i, j, color)
    if frame.lines == nil then
        frame.lines = {}
    end
    if frame.colors == nil then
        frame.colors = {}
    end
    local l = frame.lines
    l[#l + 1] = i
    l[#l + 1] = j
    frame.colors[#frame.colors + 1] = color
end

-- A line from (x1, y1, z1) to (x2, y2, z2).
function addLine(frame, x1, y1, z1, x2, y2, z2, color)
    local i = addPoint(frame, x1, y1, z1)
    local j = addPoint(frame, x2, y2, z2)
    addLineBetween(frame, i, j, color)
end

-- A line from (x1, y1) to (x2, y2), at z = 0 on a 3-D frame.
function add2DLine(frame, x1, y1, x2, y2, color)
    addLine(frame, x1, y1, 0, x2, y2, 0, color)
end

-- A connected line through points of `stride` numbers each ({x, y} or
-- {x, y, z}); when closed is true, the last point joins the first again.
local function addPolyline(frame, coords, stride, color, closed)
    local n = #coords / stride
    if n < 2 then
        return
    end
    local function point(k)
        local base = stride * (k - 1)
        local z = 0
        if stride == 3 then
            z = coords[base + 3]
        end
        return addPoint(frame, coords[base + 1], coords[base + 2], z)
    end
    local first = point(1)
    local previous = first
    for k = 2, n do
        local current = point(k)
        addLineBetween(frame, previous, current, color)
        previous = current
    end
    if closed then
        addLineBetween(frame, previous, first, color)
    end
end

-- A connected line through the points {x1, y1, x2, y2, ...}; when closed is
-- true, the last point joins the first again.
function add2DLines(frame, coords, color, closed)
    addPolyline(frame, coords, 2, color, closed)
end

-- The same through {x1, y1, z1, x2, y2, z2, ...}.
function add3DLines(frame, coords, color, closed)
    addPolyline(frame, coords, 3, color, closed)
end

-- An upright rectangle with one corner at (x, y), w wide and h high, at depth z.
function addRectangle(frame, x, y, w, h, color, z)
    z = z or 0
    add3DLines(frame, { x, y, z, x + w, y, z, x + w, y + h, z, x, y + h, z }, color, true)
end

-- r times a value that math.cos or math.sin gave, rounded to the nearest integer.
function scaleBy256(r, value)
    local v = r * value
    if v >= 0 then
        return (v + 128) / 256
    end
    return (v - 128) / 256
end

-- The points of a regular polygon of `segments` corners around (cx, cy), one
-- corner at angle `startAngle` degrees (default 0), as {x1, y1, z1, ...}.
function getCirclePoints(cx, cy, radius, segments, z, startAngle)
    local coords = {}
    z = z or 0
    startAngle = startAngle or 0
    for k = 0, segments - 1 do
        local a = startAngle + 360 * k / segments
        coords[#coords + 1] = cx + scaleBy256(radius, math.cos(a))
        coords[#coords + 1] = cy + scaleBy256(radius, math.sin(a))
        coords[#coords + 1] = z
    end
    return coords
end

-- A circle of `segments` sides around (cx, cy), at depth z.
function addCircle(frame, cx, cy, radius, segments, color, z)
    if segments < 3 then
        return
    end
    add3DLines(frame, getCirclePoints(cx, cy, radius, segments, z), color, true)
end

-- A cone: a circle of `segments` sides around (cx, cy) at depth cz, and a line
-- from each of its corners to the apex (cx, cy, cz + height).
function addCone(frame, cx, cy, cz, radius, height, segments, color)
    if segments < 3 then
        return
    end
    local coords = getCirclePoints(cx, cy, radius, segments, cz)
    add3DLines(frame, coords, color, true)
    local apex = addPoint(frame, cx, cy, cz + height)
    for k = 0, segments - 1 do
        local corner = addPoint(frame, coords[3 * k + 1], coords[3 * k + 2], coords[3 * k + 3])
        addLineBetween(frame, corner, apex, color)
    end
end

-- A cube centred on (cx, cy, cz) whose edges are 2 * half long.
function addCube(frame, cx, cy, cz, half, color)
    local c = {}
    for k = 0, 7 do
        local x = cx - half
        local y = cy - half
        local z = cz - half
        if k % 2 == 1 then x = cx + half end
        if k % 4 >= 2 then y = cy + half end
        if k >= 4 then z = cz + half end
        c[k] = addPoint(frame, x, y, z)
    end
    local edges = { 0, 1, 1, 3, 3, 2, 2, 0, 4, 5, 5, 7, 7, 6, 6, 4, 0, 4, 1, 5, 2, 6, 3, 7 }
    for k = 1, #edges, 2 do
        addLineBetween(frame, c[edges[k]], c[edges[k + 1]], color)
    end
end

-- A pyramid: a square base centred on (cx, cy) at depth cz whose sides are
-- 2 * half long, and its apex at (cx, cy, cz + height).
function addPyramid(frame, cx, cy, cz, half, height, color)
    local base = { cx - half, cy - half, cz, cx + half, cy - half, cz,
                   cx + half, cy + half, cz, cx - half, cy + half, cz }
    add3DLines(frame, base, color, true)
    local apex = addPoint(frame, cx, cy, cz + height)
    for k = 0, 3 do
        local corner = addPoint(frame, base[3 * k + 1], base[3 * k + 2], cz)
        addLineBetween(frame, corner, apex, color)
    end
end

-- A random whole number from low to high, both included, from the game's
-- generator (a script that calls it is rebuilt for every game).
function randomBetween(low, high)
    if high <= low then
        return low
    end
    return low + math.rand() % (high - low + 1)
end

-- `count` random points in the rectangle from (minX, minY) to (maxX, maxY),
-- each a line of zero length: give the frame mode 0 to show them as dots.
function addRandomPoints(frame, count, minX, minY, maxX, maxY, color)
    for k = 1, count do
        local p = addPoint(frame, randomBetween(minX, maxX), randomBetween(minY, maxY), 0)
        addLineBetween(frame, p, p, color)
    end
end

-- An arrow of length 2 * half pointing along direction d (0 +x, 1 -x, 2 +y,
-- 3 -y), its wings turned by `turn` degrees about its own axis (their width
-- follows the cosine), in the colours hull and core.
function addTurningArrow(frame, d, half, turn, hull, core)
    local w = scaleBy256(half, math.cos(turn))
    local w2 = w / 2
    local shape = { half, 0, -half, w, -half / 2, 0, -half, -w }
    local inner = { half / 2, 0, -half / 2, w2, -half / 2, -w2 }
    local function place(coords)
        local out = {}
        for k = 1, #coords, 2 do
            local x = coords[k]
            local y = coords[k + 1]
            if d == 1 then x, y = -x, -y
            elseif d == 2 then x, y = -y, x
            elseif d == 3 then x, y = y, -x end
            out[#out + 1] = x
            out[#out + 1] = y
        end
        return out
    end
    add2DLines(frame, place(shape), hull, true)
    add2DLines(frame, place(inner), core, true)
end

-- The 80 frames of a lane enemy: 20 turning frames toward +x, then -x, +y, -y.
function newTurningArrowGraphic(half, hull, core)
    local g = new2DGraphic(80)
    for d = 0, 3 do
        for n = 0, 19 do
            addTurningArrow(g[20 * d + n + 1], d, half, 18 * n, hull, core)
        end
    end
    return g
end

-- Builds a player bullet graphic of 180 frames, frame k pointing at 2k - 180
-- degrees: the shape function draws one frame through `line(x1, y1, x2, y2)`
-- and `lines({x1, y1, ...}, closed)`, with points given for the shot pointing
-- along +x; they are turned and rounded to whole units. White, one colour.

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
