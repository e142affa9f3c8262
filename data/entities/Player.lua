-- The lives of the ship. The native player never dies: this hidden entity
-- reads its hit counter every step and, for a hit, blows the ship up, hides
-- it (black, no moving, no shooting, invincible), and brings it back after a
-- pause, blinking while a short invincibility lasts. With no life left it
-- calls the game-over callback instead (by default: the level is lost).
--
--   player = Player.new(500, 300, 3)
--   player.onGameOver = function() finishLevel(false) end
--
-- The native handle of the ship is also kept in the global playerShip.
require "/data/entities/LuaEntity"
require "/data/functions/commonScriptFunctions"

-- Steps between the explosion and the ship's return.
local RESPAWN_DELAY = 120
-- Steps of invincibility after the ship's return.
local RESPAWN_SHIELD = 150
-- Steps of each on or off phase of the blinking.
local BLINK_STEPS = 6

local zorbix = zorbix
local getEntityX = zorbix.getEntityX
local getEntityY = zorbix.getEntityY
local getPlayerNumberOfCollisions = zorbix.getPlayerNumberOfCollisions

Player = LuaEntity.subclass()

-- Creates the ship at (x, y) with the given lives (default 3), counting the
-- life being played.
function Player.new(x, y, lives)
    local o = LuaEntity.new(LuaEntity, false, x, y)
    setmetatable(o, Player)
    o:setHidden(true)
    o.ship = zorbix.newPlayer(x, y)
    playerShip = o.ship
    o.lives = lives or 3
    o.dead = false
    o.gameOver = false
    o.waitLeft = 0
    o.shieldLeft = 0
    o.canShoot = true
    o.canMove = true
    o.color = nil
    o.ally = nil
    o.livesLost = 0
    -- Where the ship comes back; nil: where it was lost.
    o.respawnX = nil
    o.respawnY = nil
    o.onGameOver = function()
        finishLevel(false)
    end
    o.onLifeLost = nil
    zorbix.setPlayerNumberOfCollisions(0)
    Player.current = o
    return o
end

-- Whether the ship is alive and within radius of (x, y): what pick-ups,
-- goals and rings ask.
-- Asked by every pick-up every step: the checks of isAlive and isWithin are
-- written out here rather than called.
function shipIsWithin(x, y, radius)
    local ship = playerShip
    if ship == nil then
        return false
    end
    local current = Player.current
    if current ~= nil and (current.dead or current.gameOver) then
        return false
    end
    local dx = x - getEntityX(ship)
    local dy = y - getEntityY(ship)
    return dx * dx + dy * dy <= radius * radius
end

function Player:getX()
    return zorbix.getEntityX(self.ship)
end

function Player:getY()
    return zorbix.getEntityY(self.ship)
end

-- Alive and not between a loss and the return.
function Player:isAlive()
    return not self.dead and not self.gameOver
end

function Player:addLives(n)
    self.lives = self.lives + n
end

-- An extra life, with a message where the ship is.
function Player:extraLife()
    self.lives = self.lives + 1
    zorbix.newFloatingMessage(self:getX(), self:getY() + 40, "1UP", 80, 255, 80)
    zorbix.playSound("/data/sounds/bonus.caf")
end

-- The ship's own colour (0..255 channels; nil: its model colours), kept
-- through losses and returns.
function Player:setShipColor(r, g, b)
    if r == nil then
        self.color = nil
    else
        self.color = { r, g, b }
    end
    if self:isAlive() then
        self:showShip()
    end
end

-- What the level allows the ship when it is alive.
function Player:setCanShoot(v)
    self.canShoot = v
    if self:isAlive() then
        zorbix.setPlayerCanShoot(v)
    end
end

function Player:setCanMove(v)
    self.canMove = v
    if self:isAlive() then
        zorbix.setPlayerCanMove(v)
    end
end

function Player:showShip()
    if self.color ~= nil then
        zorbix.setPlayerColor(self.color[1], self.color[2], self.color[3])
    else
        zorbix.setPlayerRemoveCustomColor()
    end
end

-- Attaches the ally ship at (x, y) (both sticks then steer); its handle is
-- kept in self.ally while it is attached.
function Player:setAlly(x, y)
    zorbix.setPlayerAlly(x, y)
    self.ally = zorbix.getPlayerAlly()
end

function Player:removeAlly()
    zorbix.removePlayerAlly()
    self.ally = nil
end

-- Loses a life at once, as a hit does.
function Player:loseLife()
    if not self:isAlive() then
        return
    end
    local x, y = self:getX(), self:getY()
    self.dead = true
    self.lives = self.lives - 1
    self.livesLost = self.livesLost + 1
    self.waitLeft = RESPAWN_DELAY
    self.shieldLeft = 0
    zorbix.newPlayerExplosion(x, y)
    zorbix.newExplosion(x, y, 255, 200, 80, 60)
    zorbix.playSound("/data/sounds/death.caf")
    zorbix.setPlayerColor(0, 0, 0)
    zorbix.setPlayerCanMove(false)
    zorbix.setPlayerCanShoot(false)
    zorbix.setPlayerIsInvincible(true)
    if self.onLifeLost ~= nil then
        self.onLifeLost(self)
    end
end

-- Loses every life left: the game ends after the usual pause.
function Player:useUpLives()
    if self:isAlive() then
        self.lives = 1
        self:loseLife()
    else
        self.lives = 0
    end
end

-- Ends the game for the ship: no more returns, the callback runs once.
function Player:endGame()
    if self.gameOver then
        return
    end
    self.gameOver = true
    self.onGameOver()
end

function Player:respawn()
    self.dead = false
    if self.respawnX ~= nil then
        zorbix.setEntityXY(self.ship, self.respawnX, self.respawnY)
    end
    self.shieldLeft = RESPAWN_SHIELD
    self:showShip()
    zorbix.setPlayerCanMove(self.canMove)
    zorbix.setPlayerCanShoot(self.canShoot)
    zorbix.playSound("/data/sounds/spawn.caf")
end

function Player:update()
    local hits = getPlayerNumberOfCollisions()
    if hits > 0 then
        zorbix.setPlayerNumberOfCollisions(0)
    end
    if self.gameOver then
        return
    end
    if self.dead then
        self.waitLeft = self.waitLeft - 1
        if self.waitLeft <= 0 then
            if self.lives > 0 then
                self:respawn()
            else
                self:endGame()
            end
        end
        return
    end
    if self.shieldLeft > 0 then
        self.shieldLeft = self.shieldLeft - 1
        if self.shieldLeft == 0 then
            self:showShip()
            zorbix.setPlayerIsInvincible(false)
        elseif (self.shieldLeft / BLINK_STEPS) % 2 == 1 then
            zorbix.setPlayerColor(60, 60, 60)
            zorbix.setPlayerIsInvincible(true)
        else
            self:showShip()
            zorbix.setPlayerIsInvincible(true)
        end
        return
    end
    if hits > 0 then
        self:loseLife()
    end
end
