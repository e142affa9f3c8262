-- The sticks in the game's own style, turned toward the stick's direction
-- (the pointer marks it, up is angle 0): frame 0 the moving stick, 1 the
-- shooting stick, 2 the moving stick while the ally flies along.
require "/data/functions/commonGraphicFunctions"

local function stick(frame, outer, inner)
    addCircle(frame, 0, 0, 50, 32, outer)
    addCircle(frame, 0, 0, 44, 32, inner)
    add2DLines(frame, { -9, -40, 0, -56, 9, -40 }, outer)
    add2DLines(frame, { -6, -30, 0, -38, 6, -30 }, inner)
    addCircle(frame, 0, 0, 8, 12, outer)
end

graphic = new2DGraphic(3)
stick(graphic[1], getColor(40, 255, 90), getColor(0, 110, 50))
stick(graphic[2], getColor(255, 40, 50), getColor(120, 0, 20))
stick(graphic[3], getColor(60, 120, 255), getColor(150, 0, 40))
