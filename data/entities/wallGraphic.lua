-- The link between the player and the ally: 30 jagged bolts, white, centred
-- and about 382 units to either side along x. Drawn from the game's
-- generator (the same number of draws on every build), so each game shows
-- other bolts.
require "/data/functions/commonGraphicFunctions"

local white = getColor(255, 255, 255)

local function bolt(frame, segments, amplitude)
    local coords = { -382, 0 }
    for i = 1, segments - 1 do
        coords[#coords + 1] = -382 + 764 * i / segments
        coords[#coords + 1] = randomBetween(-amplitude, amplitude)
    end
    coords[#coords + 1] = 382
    coords[#coords + 1] = 0
    add2DLines(frame, coords, white)
end

graphic = new2DGraphic(30)
for k = 1, 30 do
    bolt(graphic[k], 24, 30)
    bolt(graphic[k], 40, 12)
end
