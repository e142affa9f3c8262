-- The wide player shot, white: a double chevron; frame k points at 2k - 180 degrees.
require "/data/functions/commonGraphicFunctions"

graphic = newBulletGraphic(function(draw)
    for _, x in ipairs({ 6, 0 }) do
        draw.lines({ x - 6, 7, x, 0, x - 6, -7 })
    end
end)
