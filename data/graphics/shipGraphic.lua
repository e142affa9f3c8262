-- The player's ship models 0 to 8, one frame each, nose along +x, about 25
-- units long; each model has its own shape and at least two colours.
require "/data/functions/commonGraphicFunctions"

-- A closed outline symmetric about the x axis, from the upper half given
-- nose first ({x1, y1, x2, y2, ...}); points on the axis are not repeated.
local function hull(frame, half, color)
    local coords = {}
    for i = 1, #half, 2 do
        coords[#coords + 1] = half[i]
        coords[#coords + 1] = half[i + 1]
    end
    for i = #half - 1, 1, -2 do
        if half[i + 1] ~= 0 then
            coords[#coords + 1] = half[i]
            coords[#coords + 1] = -half[i + 1]
        end
    end
    add2DLines(frame, coords, color, true)
end

-- A polyline and its mirror image below the x axis.
local function pair(frame, half, color)
    add2DLines(frame, half, color)
    local mirrored = {}
    for i = 1, #half, 2 do
        mirrored[#mirrored + 1] = half[i]
        mirrored[#mirrored + 1] = -half[i + 1]
    end
    add2DLines(frame, mirrored, color)
end

local cyan = getColor(0, 230, 255)
local orange = getColor(255, 140, 0)
local green = getColor(40, 255, 80)
local yellow = getColor(255, 240, 40)
local magenta = getColor(255, 40, 220)
local white = getColor(255, 255, 255)
local blue = getColor(60, 110, 255)
local pink = getColor(255, 110, 160)
local red = getColor(255, 40, 40)
local purple = getColor(170, 70, 255)

graphic = new2DGraphic(9)
local f

-- 0: the plain dart
f = graphic[1]
hull(f, { 13, 0, -10, 9, -5, 0 }, cyan)
add2DLine(f, -6, 0, -12, 0, orange)
pair(f, { -8, 3, -12, 5 }, orange)

-- 1: delta wing with a cockpit
f = graphic[2]
hull(f, { 13, 0, -10, 10, -10, 4, -6, 0 }, green)
hull(f, { 6, 0, 2, 2, -2, 0 }, yellow)
pair(f, { -10, 7, -13, 7 }, yellow)

-- 2: fork with two prongs
f = graphic[3]
hull(f, { 4, 0, 14, 4, 12, 8, -6, 9, -11, 3, -8, 0 }, magenta)
add2DLine(f, 2, 0, -6, 0, white)
pair(f, { -11, 3, -14, 3 }, white)
pair(f, { 10, 6, -4, 6 }, white)

-- 3: slim body with four wings
f = graphic[4]
hull(f, { 13, 0, 4, 3, -11, 3, -11, 0 }, orange)
pair(f, { 0, 3, -8, 11, -11, 11, -7, 3 }, blue)
add2DLine(f, 9, 0, 3, 0, blue)

-- 4: diamond with fins
f = graphic[5]
hull(f, { 12, 0, 0, 7, -10, 0 }, blue)
hull(f, { 6, 0, 0, 3, -4, 0 }, blue)
pair(f, { -3, 5, -12, 10, -8, 2 }, pink)

-- 5: arrowhead with a double outline
f = graphic[6]
hull(f, { 14, 0, -10, 11, -6, 0 }, yellow)
hull(f, { 8, 0, -6, 7, -3, 0 }, red)
pair(f, { -9, 4, -13, 4 }, red)

-- 6: swept wings on a long body
f = graphic[7]
hull(f, { 14, 0, 6, 3, -12, 3, -12, 0 }, cyan)
pair(f, { 4, 3, -7, 12, -11, 12, -6, 3 }, magenta)
add2DLine(f, 10, 0, 4, 0, white)
pair(f, { -12, 2, -14, 2 }, white)

-- 7: heavy cruiser
f = graphic[8]
hull(f, { 13, 0, 8, 5, 0, 5, -4, 11, -12, 11, -9, 5, -12, 3, -12, 0 }, red)
pair(f, { 8, 3, -6, 3 }, yellow)
add2DLine(f, 11, 0, 3, 0, yellow)
pair(f, { -12, 8, -15, 8 }, cyan)
pair(f, { -12, 1, -15, 1 }, cyan)

-- 8: star fighter
f = graphic[9]
hull(f, { 15, 0, 3, 3, -2, 12, -6, 4, -12, 7, -9, 0 }, purple)
pair(f, { 3, 3, 9, 8 }, white)
pair(f, { -6, 4, -9, 0 }, white)
addCircle(f, 4, 0, 3, 6, green)
add2DLine(f, -4, 0, -9, 0, green)
