-- The Rescue: friend ships are stranded among the wrecks. Fly to each; it
-- joins the ship's escort and fires with it. Helicopters hunt the escort.
-- Gather every friend.
require "/data/entities/Player"
require "/data/entities/Spot"
require "/data/entities/Arrow"
require "/data/entities/UpdateHUD"
require "/data/functions/createAdvancedQuadGeometry"
require "/data/functions/createMessage"
require "/data/functions/getRandomCoord"
require "/data/levels/campaign2/fusion part 1/generated"

W, H = 2800, 2800
PAR = 60 * 150
levelQuads = appendRockQuads(frameWallQuads(W, H, 40), ROCKS)

function init()
    setLevelSize(W, H)
    createWalls(levelQuads)
    newProp("/data/levels/campaign2/fusion part 1/graphics fusion part 1.lua")
    for _, r in ipairs(ROCKS) do
        addTakenDisk(r[1], r[2], r[3] + 120)
    end
    local d = zorbix.getDifficultyLevel()
    player = Player.new(1400, 1400, 3)
    stranded = {}
    for k = 1, 5 do
        local x, y = getRandomCoord(200, 200, W - 200, H - 200, 600)
        stranded[k] = Spot.new(x, y, 60, 0)
        stranded[k].onReached = function(s)
            zorbix.newUncommonEntity("player friend", s.x, s.y)
            createMessage("^5Friend rescued", 90)
            s:destroy()
        end
    end
    for k = 1, 2 + d do
        local x, y = getRandomCoord(200, 200, W - 200, H - 200, 900)
        zorbix.newHelicopter(x, y)
    end
    arrow = Arrow.new(0, 200, 255)
    elapsed = 0
    won = false
    createMessage("^5Rescue the stranded friends", 240)
    UpdateHUD.new(function()
        return "^7Lives: " .. player.lives, "^7Rescued: " .. rescued() .. "/" .. #stranded
    end)
    everyStep(step)
end

function rescued()
    local n = 0
    for _, s in ipairs(stranded) do
        if s.reached then
            n = n + 1
        end
    end
    return n
end

local function nextFriend()
    local best, bestD = nil, 0
    for _, s in ipairs(stranded) do
        if not s.reached then
            local dd = s:getSquareDistanceFromPlayer()
            if best == nil or dd < bestD then
                best, bestD = s, dd
            end
        end
    end
    return best
end

function step()
    elapsed = elapsed + 1
    if won or player.gameOver then
        return
    end
    local s = nextFriend()
    if s ~= nil then
        arrow:setTarget(s.x, s.y)
    elseif player:isAlive() then
        arrow:clearTarget()
        won = true
        finishLevel(true, winScore(player.lives, elapsed, PAR))
    end
end

levelTest = {
    win = function()
        local s = nextFriend()
        if s ~= nil then
            zorbix.setEntityXY(playerShip, s.x, s.y)
        end
    end,
    lose = function()
        player:useUpLives()
    end,
}
