// The script-side entity class: creation, and the global update pass with
// destruction (run against a stand-in for the native functions).
#include <gtest/gtest.h>

#include "ScriptTestState.h"

// Records the native calls the script makes in the global `calls`, in place
// of the real module.
static const char* const standIn = R"(
    calls = {}
    local next = 0
    zorbix = setmetatable({}, {__index = function(_, name)
        return function(...)
            local args = {}
            for i = 2, select('#', ...) do args[#args + 1] = tostring((select(i, ...))) end
            calls[#calls + 1] = name .. ':' .. table.concat(args, ',')
            if name == 'newLuaEntity' then next = next + 1 return 'e' .. next end
        end
    end})
    require('/data/entities/LuaEntity')
    updated = {}
    function make(name)
        local e = LuaEntity:new(false, 3, 4)
        e.name = name
        e.update = function(self) updated[#updated + 1] = self.name if self.dies then self:destroy() end end
        return e
    end
    function names()
        local t = {}
        for i, e in ipairs(luaEntities) do
            assert(e.indexInTable == i)
            t[#t + 1] = e.name
        end
        return table.concat(t, ' ')
    end
)";

TEST(LuaEntityScript, NewSetsUpTheNativeEntity) {
    ScriptTestState s;
    ASSERT_EQ(s.run(standIn), "");
    ASSERT_EQ(s.run("a = LuaEntity:new(true, 5) b = LuaEntity:new()"), "");
    EXPECT_EQ(s.eval("getmetatable(a) == LuaEntity"), "true");
    EXPECT_EQ(s.eval("a.ptr .. b.ptr .. a.x .. a.y .. b.indexInTable"), "e1e2502");
    EXPECT_EQ(s.eval("table.concat(calls, ' ')"),
              "newLuaEntity:0,true setEntityXY:5,0 setLuaEntityHidden:false setLuaEntityAngle:0 "
              "newLuaEntity:0,false setEntityXY:0,0 setLuaEntityHidden:false setLuaEntityAngle:0");
    ASSERT_EQ(s.run("calls = {} a:setColor(1, 2, 3, 4) a:setXYZ(7, 8, 9) a:setHidden(true)"), "");
    EXPECT_EQ(s.eval("tostring(a.hasCustomColor) .. a.x .. a.y .. tostring(a.hidden)"), "true78true");
}

// Every entity present at the start of a pass is updated exactly once, in
// table order; the survivors close up in their order afterwards.
TEST(LuaEntityScript, UpdatePassWithDestruction) {
    struct Case {
        const char* dying;      // names marked to die in their update
        const char* updated;    // update order in the pass
        const char* survivors;  // luaEntities afterwards
    } cases[] = {
        {"", "A B C D", "A B C D"}, {"D", "A B C D", "A B C"},  {"A", "A B C D", "B C D"},
        {"B C", "A B C D", "A D"},  {"A B C D", "A B C D", ""},
    };
    for (const Case& c : cases) {
        ScriptTestState s;
        ASSERT_EQ(s.run(standIn), "");
        ASSERT_EQ(s.run("for _, n in ipairs({'A', 'B', 'C', 'D'}) do _G[n] = make(n) end"), "");
        ASSERT_EQ(s.run(std::string("for n in ('") + c.dying + "'):gmatch('%a') do _G[n].dies = true end"), "");
        ASSERT_EQ(s.run("calls = {} update()"), "");
        EXPECT_EQ(s.eval("table.concat(updated, ' ')"), c.updated) << c.dying;
        EXPECT_EQ(s.eval("names()"), c.survivors) << c.dying;
        EXPECT_EQ(s.eval("#calls"),
                  std::to_string(std::string(c.dying).empty() ? 0 : (std::string(c.dying).size() + 1) / 2))
            << c.dying;
    }
}

// An entity made during a pass, even into a slot freed in that pass, is
// first updated in the next pass; no entity of the pass is skipped.
TEST(LuaEntityScript, EntityMadeDuringThePassWaits) {
    ScriptTestState s;
    ASSERT_EQ(s.run(standIn), "");
    ASSERT_EQ(s.run(R"(
        A = make('A') B = make('B') C = make('C')
        A.update = function(self)
            updated[#updated + 1] = 'A'
            D = make('D')
            self:destroy()
        end
        update()
        first = table.concat(updated, ' ')
        updated = {}
        update()
    )"),
              "");
    EXPECT_EQ(s.eval("first"), "A B C");
    EXPECT_EQ(s.eval("table.concat(updated, ' ')"), "B C D");
    EXPECT_EQ(s.eval("names()"), "B C D");
}
