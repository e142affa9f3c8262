-- The sucider in its three sizes (frames 0 small, 1 medium, 2 big): a dart
-- whose nose points along +x, with a raised spine so that it shows its bank.
require "/data/functions/commonGraphicFunctions"

local function dart(f, hull, spine, core)
    -- Outline of the hull, then the spine from the nose over the back.
    add3DLines(f, { 110, 0, 0, -70, 75, 0, -35, 0, 0, -70, -75, 0 }, hull, true)
    add3DLines(f, { 110, 0, 0, 0, 0, 30, -35, 0, 0 }, spine)
    addLine(f, -70, 75, 0, 0, 0, 30, spine)
    addLine(f, -70, -75, 0, 0, 0, 30, spine)
    addCircle(f, 15, 0, 14, 8, core, 10)
end

graphic = new3DGraphic(3)
dart(graphic[1], getColor(0, 255, 255), getColor(255, 255, 255), getColor(0, 160, 255))
dart(graphic[2], getColor(0, 255, 0), getColor(255, 255, 255), getColor(180, 255, 60))
dart(graphic[3], getColor(255, 200, 0), getColor(255, 60, 0), getColor(255, 255, 0))
-- The bigger sizes carry more armour plates.
addRectangle(graphic[2], -20, -25, 30, 50, getColor(0, 200, 90), 5)
addRectangle(graphic[3], -30, -35, 50, 70, getColor(255, 120, 0), 5)
addRectangle(graphic[3], -20, -20, 30, 40, getColor(255, 230, 120), 12)
