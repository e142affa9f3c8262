-- Bomb (not in the catalogue): four bombs tick in the four rooms of a maze.
-- Hold the ship on a bomb to defuse it before its fuse burns down; a bomb
-- that goes off costs a life and starts again. Spinies guard the rooms.
require "/data/entities/Player"
require "/data/entities/Spot"
require "/data/functions/createAdvancedQuadGeometry"
require "/data/levels/campaign2/UNUSED/bomb/generated"
require "/data/functions/pilotFunctions"

W, H = 1600, 1200
-- The first bomb's fuse, shorter at each difficulty.
local FUSE_STEPS = { 40 * 60, 35 * 60, 30 * 60 }
local HOLD_STEPS = 60
PAR = 4 * 60 * 60

Bomb = setmetatable({}, { __index = LuaEntity })
Bomb.__index = Bomb

function Bomb.new(x, y, fuse)
    local o = LuaEntity.new(LuaEntity, false, x, y)
    setmetatable(o, Bomb)
    o:setGraphic("/data/graphics/bombGraphic2.lua")
    o:setZoom(2 * 255)
    -- Defusing takes longer at each difficulty.
    o.spot = Spot.new(x, y, 70, HOLD_STEPS + 30 * clamp(zorbix.getDifficultyLevel(), 0, 2))
    o.fuse = fuse
    o.left = fuse
    o.turn = 0
    return o
end

function Bomb:update()
    if self.spot.reached then
        zorbix.newExplosion(self.x, self.y, 80, 255, 120, 40)
        zorbix.playSound("/data/sounds/bonus.caf", self.x, self.y)
        self.spot:destroy()
        bombsLeft = bombsLeft - 1
        self:destroy()
        return
    end
    self.left = self.left - 1
    self.turn = (self.turn + 1 + (self.fuse - self.left) / 600) % 360
    self:setAngle(self.turn)
    if self.left <= 0 then
        self.left = self.fuse
        zorbix.newExplosion(self.x, self.y, 255, 160, 40, 120)
        zorbix.playSound("/data/sounds/sucider_short.caf", self.x, self.y)
        player:loseLife()
    end
end

function init()
    setLevelSize(W, H)
    createFrameWalls(W, H, 40)
    newProp("/data/levels/campaign2/UNUSED/bomb/graphics bomb.lua")
    newProp("/data/levels/campaign2/UNUSED/bomb/graphics bomb.lua"):setFrame(1)
    for _, corners in ipairs(bombWalls) do
        newWallQuad(corners, W / 2, H / 2)
    end
    player = Player.new(W / 2, H / 2, 3)
    bombs = {}
    bombsLeft = 0
    for k, p in ipairs(bombPlaces) do
        -- Later bombs burn longer, so one can be reached after the other.
        bombs[#bombs + 1] = Bomb.new(p[1], p[2], FUSE_STEPS[clamp(zorbix.getDifficultyLevel(), 0, 2) + 1] + 900 * (k - 1))
        bombsLeft = bombsLeft + 1
        zorbix.newSpiny(p[1] + 120, p[2] + 60)
    end
    playLevel({
        message = "^1Defuse the bombs: hold still on them",
        messageSteps = 200,
        par = PAR,
        hud = function()
            return "^7Bombs: " .. bombsLeft
        end,
        isWon = function()
            return bombsLeft == 0
        end,
    })
end

-- The live bomb whose fuse has the least left.
local function nextBomb()
    local best = nil
    for _, b in ipairs(bombs) do
        if not b.mustBeDestroyed and (best == nil or b.left < best.left) then
            best = b
        end
    end
    return best
end

-- The quarter of the arena (x, y) lies in; the walls part the four rooms,
-- which open only onto the middle.
local function roomOf(x, y)
    return (x < W / 2 and 0 or 1) + (y < H / 2 and 0 or 2)
end

-- The pilot's shoot stick sweeps round: the spinies have no handles.
local sweep = 0

levelTest = newLevelTest(
    function()
        for _, b in ipairs(bombs) do
            if not b.mustBeDestroyed then
                b.spot:reach()
            end
        end
    end,
    -- Flies to the bomb closest to going off, through the middle when it
    -- lies in another room, and holds still on it, shooting all round.
    function()
        sweep = (sweep + 9) % 360
        local b = nextBomb()
        if b == nil then
            return pilotSticks()
        end
        local x, y = player:getX(), player:getY()
        local tx, ty = pointAt(x, y, sweep, 300)
        if roomOf(x, y) ~= roomOf(b.x, b.y) and distance(x, y, W / 2, H / 2) > 120 then
            return pilotSticks(W / 2, H / 2, tx, ty)
        end
        return pilotSticks(b.x, b.y, tx, ty)
    end
)
