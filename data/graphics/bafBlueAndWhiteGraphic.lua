-- The slow lane enemy: a blue arrow with a white core.
require "/data/functions/commonGraphicFunctions"
graphic = newTurningArrowGraphic(30, getColor(40, 120, 255), getColor(255, 255, 255))
