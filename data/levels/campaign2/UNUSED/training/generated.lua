-- The shooting range's targets, generated: five rows of targets at growing
-- distance from the firing line, each {x, y, hits to break it}.
trainingTargets = {}
for row = 1, 5 do
    for k = 0, row % 2 do
        trainingTargets[#trainingTargets + 1] = { 380 + 70 * row, 200 * row + 60 * k, 2 + row / 2 }
    end
end
-- The second round: targets that slide up and down their lanes, each
-- {x, middle y, hits, half the slide, the point of its swing it starts at},
-- in two columns, the far one sliding the other way.
trainingMovers = {}
for row = 1, 5 do
    trainingMovers[#trainingMovers + 1] = { 500, 100 + 170 * row, 3 + row / 3, 100, 40 * row }
    trainingMovers[#trainingMovers + 1] = { 780, 130 + 170 * row, 3 + row / 3, 140, 180 + 40 * row }
end
