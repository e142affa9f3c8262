-- Highway: collect the sphere the blue arrow points to, across four lanes
-- of traffic going both ways. A sphere taken quickly scores more. The game
-- lasts three minutes, or until the lives run out.
require "/data/entities/Arrow"
require "/data/functions/infinityFunctions"

W, H = 3200, 1200
local GAME_STEPS = 3 * 60 * 60
local REACH = 50
-- Within this many steps a sphere earns its time bonus.
local BONUS_STEPS = 900
local LANES = { 150, 450, 750, 1050 }

-- The cars the level made, for its scripted player.
local cars = {}

Sphere = setmetatable({}, { __index = LuaEntity })
Sphere.__index = Sphere

function Sphere.new(x, y)
    local o = LuaEntity.new(LuaEntity, false, x, y)
    setmetatable(o, Sphere)
    o:setGraphic("/data/graphics/sphereGraphic.lua")
    o.spin = 0
    o.age = 0
    return o
end

function Sphere:update()
    self.age = self.age + 1
    self.spin = (self.spin + 2) % 360
    self:setRotation(self.spin, 0, 255, 60)
    if shipIsWithin(self.x, self.y, REACH) then
        zorbix.increaseScore(20 + maxOf(0, BONUS_STEPS - self.age) / 6)
        zorbix.newExplosion(self.x, self.y, 80, 160, 255, 30)
        zorbix.playSound("/data/sounds/bonus.caf", self.x, self.y)
        collected = collected + 1
        self:destroy()
        placeSphere()
    end
end

function placeSphere()
    local x, y = getRandomCoord(120, 80, W - 120, H - 80, 900)
    sphere = Sphere.new(x, y)
    arrow:setTarget(x, y)
end

-- A car enters the lane from its start edge; faster cars (type 1) later.
local function addCar()
    local lane = randomBetween(1, #LANES)
    local direction = lane % 2
    local x = 80
    if direction == 1 then
        x = W - 80
    end
    local kind = 0
    if played > 3600 and randomBetween(0, 2) == 0 then
        kind = 1
    end
    keepHandle(cars, zorbix.newOptimizedBAF(x, LANES[lane], direction + 4 * kind))
end

local function step()
    if player.gameOver then
        return
    end
    played = played + 1
    local wanted = minOf(8 + played / 600, 30)
    if played % 45 == 0 and zorbix.getOBAFCount() < wanted then
        addCar()
    end
    if played >= GAME_STEPS then
        player:endGame()
    end
end

-- The level's heads-up line, made again only when its numbers change.
local hudLine = changedText(function(lives, seconds)
    return "Lives " .. lives .. "  Time " .. formatSteps(seconds * 60)
end)

function init()
    startInfinityLevel({
        scenery = {
            { "/data/levels/infinity/highway/backgroundHighway2.lua", z = -300 },
            { "/data/levels/infinity/highway/backgroundHighway.lua" },
        },
        x = 300,
        y = 600,
        setup = function()
            arrow = Arrow.new(60, 120, 255)
            arrow.hideWithin = 150
            played = 0
            collected = 0
            placeSphere()
            for k = 1, 6 do
                addCar()
            end
        end,
        hud = function()
            return hudLine(player.lives, maxOf(GAME_STEPS - played, 0) / 60)
        end,
        step = step,
    })
end

-- A new player's way through: head for the sphere, keeping off the cars,
-- and shoot the nearest car in the way.
local pilot = { lists = { cars }, width = W, height = H, danger = 200, keep = 400, range = 500, margin = 120,
    goal = function()
        if sphere ~= nil then
            return sphere.x, sphere.y
        end
    end }
levelTest = pilotLevelTest(pilot)
