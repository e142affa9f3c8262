-- The shooting range's targets, generated: five rows of targets at growing
-- distance from the firing line, each {x, y, hits to break it}.
trainingTargets = {}
for row = 1, 5 do
    for k = 0, row % 2 do
        trainingTargets[#trainingTargets + 1] = { 380 + 70 * row, 200 * row + 60 * k, 2 + row / 2 }
    end
end
