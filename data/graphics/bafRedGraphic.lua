-- The tough lane enemy: a red arrow.
require "/data/functions/commonGraphicFunctions"
graphic = newTurningArrowGraphic(30, getColor(255, 40, 40), getColor(255, 160, 60))
