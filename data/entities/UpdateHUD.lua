-- Writes the two heads-up lines every step from a function of the level
-- that returns them (the play screen clears them after init, so they are
-- only ever written here, during play). A line is handed to the game only
-- when it differs from the one last handed over.
--
--   UpdateHUD.new(function() return "Lives " .. player.lives, "Boxes " .. boxes.collected end)
require "/data/entities/LuaEntity"

UpdateHUD = LuaEntity.subclass()

local setHudString1 = zorbix.setHudString1
local setHudString2 = zorbix.setHudString2

function UpdateHUD.new(lines)
    local o = LuaEntity.new(LuaEntity, false, 0, 0)
    setmetatable(o, UpdateHUD)
    o:setHidden(true)
    o.lines = lines
    return o
end

function UpdateHUD:update()
    local first, second = self.lines()
    first = first or ""
    second = second or ""
    if first ~= self.shown1 then
        self.shown1 = first
        setHudString1(first)
    end
    if second ~= self.shown2 then
        self.shown2 = second
        setHudString2(second)
    end
end
