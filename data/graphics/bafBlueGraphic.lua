-- The fast lane enemy: a blue arrow.
require "/data/functions/commonGraphicFunctions"
graphic = newTurningArrowGraphic(30, getColor(0, 140, 255), getColor(0, 220, 255))
