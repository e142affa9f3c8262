-- The plain player shot, white: an arrow; frame k points at 2k - 180 degrees.
require "/data/functions/commonGraphicFunctions"

graphic = newBulletGraphic(function(draw)
    draw.line(-7, 0, 7, 0)
    draw.lines({ 2, 3, 7, 0, 2, -3 })
end)
