-- Writes the two heads-up lines every step from a function of the level
-- that returns them (the play screen clears them after init, so they are
-- only ever written here, during play).
--
--   UpdateHUD.new(function() return "Lives " .. player.lives, "Boxes " .. boxes.collected end)
require "/data/entities/LuaEntity"

UpdateHUD = setmetatable({}, { __index = LuaEntity })
UpdateHUD.__index = UpdateHUD

function UpdateHUD.new(lines)
    local o = LuaEntity.new(LuaEntity, false, 0, 0)
    setmetatable(o, UpdateHUD)
    o:setHidden(true)
    o.lines = lines
    return o
end

function UpdateHUD:update()
    local first, second = self.lines()
    zorbix.setHudString1(first or "")
    zorbix.setHudString2(second or "")
end
