-- Symmetry (not in the catalogue): an arena whose four quarters mirror each
-- other, pillars and enemies alike. Back-and-forth enemies patrol between
-- the pillars; destroy them all.
require "/data/entities/Player"
require "/data/functions/createAdvancedQuadGeometry"
require "/data/levels/campaign2/UNUSED/symmetry/generated"
require "/data/functions/pilotFunctions"

W, H = 1600, 1200
PAR = 3000

function init()
    setLevelSize(W, H)
    createFrameWalls(W, H, 40)
    newProp("/data/levels/campaign2/UNUSED/symmetry/graphics symmetry.lua")
    for _, corners in ipairs(symmetryPillars) do
        newWallQuad(corners, W / 2, H / 2)
    end
    -- A life fewer at each difficulty, and from difficulty 1 one enemy more
    -- in each quarter, mirrored like the others.
    local d = clamp(zorbix.getDifficultyLevel(), 0, 2)
    player = Player.new(W / 2, H / 2, 4 - d)
    enemies = {}
    for k, e in ipairs(symmetryEnemies) do
        local direction = 90 * (k % 2)
        enemies[#enemies + 1] = zorbix.newBackAndForth(e[1], e[2], direction)
    end
    if d >= 1 then
        for _, e in ipairs({ { 660, 180 }, { W - 660, 180 }, { 660, H - 180 }, { W - 660, H - 180 } }) do
            enemies[#enemies + 1] = zorbix.newBackAndForth(e[1], e[2], 0)
        end
    end
    playLevel({
        message = "^5Mirror, mirror",
        messageSteps = 180,
        par = PAR,
        hud = function()
            return "^7Enemies: " .. zorbix.getBAFCount()
        end,
        isWon = function()
            return zorbix.getBAFCount() == 0
        end,
    })
end

levelTest = newLevelTest(
    function()
        for _, e in ipairs(enemies) do
            zorbix.setEntityDestroy(e)
        end
        enemies = {}
    end,
    -- Circles the nearest enemy, shooting it; one that comes close makes
    -- the ship back off.
    function()
        local e, ex, ey = nearestHandle(liveHandles(enemies))
        if e == nil then
            return pilotSticks()
        end
        local x, y = player:getX(), player:getY()
        local a = angleTo(ex, ey, x, y)
        local gx, gy = pointAt(ex, ey, a + 30, 300)
        if distance(x, y, ex, ey) < 160 then
            gx, gy = pointAt(x, y, a, 200)
        end
        return pilotSticks(clamp(gx, 80, W - 80), clamp(gy, 80, H - 80), ex, ey)
    end
)
