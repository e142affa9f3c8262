-- 1 and 1 (not in the catalogue): the mirror ship stands opposite the ship
-- through the middle of the arena and fires the other way whenever the ship
-- fires. Its shots hurt the ship but also the enemies: aim so that both
-- streams clear the suciders and spinies, in two waves.
require "/data/entities/Player"
require "/data/functions/createAdvancedQuadGeometry"
require "/data/functions/pilotFunctions"

W, H = 1600, 1200
PAR = 3600

function init()
    setLevelSize(W, H)
    createFrameWalls(W, H, 40)
    newProp("/data/levels/campaign2/UNUSED/1and1/graphics 1and1.lua")
    player = Player.new(W / 2 - 300, H / 2, 3)
    zorbix.newUncommonEntity("bizarro", W / 2, H / 2)
    enemies = {}
    local d = zorbix.getDifficultyLevel()
    playWaveLevel({
        message = "^4Your mirror fires when you fire",
        par = PAR,
        waves = 2,
        nextWave = function(wave)
            if wave == 1 then
                -- Spinies along the top and bottom, suciders at the sides.
                for k = 0, 3 do
                    keepHandle(enemies, zorbix.newSpiny(200 + 400 * k, 150))
                    keepHandle(enemies, zorbix.newSpiny(200 + 400 * k, H - 150))
                end
                keepHandle(enemies, zorbix.newSucider(150, H / 2, 0, 0))
                keepHandle(enemies, zorbix.newSucider(W - 150, H / 2, 0, 0))
                -- The difficulty adds suciders above and below the mirror.
                for k = 1, d do
                    keepHandle(enemies, zorbix.newSucider(W / 2, 150 + (H - 300) * (k - 1), 0, 0))
                end
            else
                -- A ring of spinies round the mirror, so that its shots
                -- cross the ship's, and a sucider from each corner; the
                -- difficulty adds two spinies to the ring at each level.
                local n = 6 + 2 * d
                for k = 0, n - 1 do
                    keepHandle(enemies, zorbix.newSpiny(pointAt(W / 2, H / 2, 360 * k / n, 380)))
                end
                for k = 0, 3 do
                    keepHandle(enemies, zorbix.newSucider(150 + (W - 300) * (k % 2), 150 + (H - 300) * (k / 2), 0, 0))
                end
            end
        end,
        count = function()
            return zorbix.getSuciderCount() + zorbix.getSpinyCount()
        end,
    })
end

levelTest = newLevelTest(
    function()
        destroyHandles(enemies)
    end,
    -- Circles the nearest enemy 300 units off and shoots it, except toward
    -- the middle, where the mirror's shots would come back at the ship.
    function()
        return pilotSparingMirror(W / 2, H / 2, pilotOrbitNearest(enemies, 300, 30))
    end
)
