-- The thin player shot, white: a long needle; frame k points at 2k - 180 degrees.
require "/data/functions/commonGraphicFunctions"

graphic = newBulletGraphic(function(draw)
    draw.line(-10, 0, 10, 0)
    draw.lines({ -4, 2, 10, 0, -4, -2 }, true)
end)
