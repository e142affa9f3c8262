-- I'll be back: the chapter opens with the Two Brothers' fight.
require("/data/levels/campaign2/two brothers/two brothers.lua")
