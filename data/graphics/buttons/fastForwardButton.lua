-- The playback speed button: frame 0 normal speed (one arrow), 1 fast (two
-- arrows), 2 paused (two bars). Drawn like widget text, turned a quarter:
-- the player's right is -y and up is +x. Units are screen pixels.
require "/data/functions/commonGraphicFunctions"

local green = getColor(80, 255, 120)
local yellow = getColor(255, 230, 60)
local white = getColor(230, 230, 255)

-- An arrow pointing to the player's right, its tip at y = tip.
local function arrow(frame, tip, color)
    add2DLines(frame, {-24, tip + 36, 24, tip + 36, 0, tip}, color, true)
end

graphic = new2DGraphic(3)
arrow(graphic[1], -18, green)
arrow(graphic[2], -36, yellow)
arrow(graphic[2], 0, yellow)
addRectangle(graphic[3], -24, 6, 48, 12, white)
addRectangle(graphic[3], -24, -18, 48, 12, white)
