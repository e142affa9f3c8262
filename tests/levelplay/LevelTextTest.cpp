// Every text a level shows, measured where the player sees it: the script
// entities' texts (timed messages, labels) and the two HUD lines, each step of
// the first seconds of every campaign level (at the lowest and the highest
// difficulty), every infinity level and the tutorial, played by the level's
// pilot. A text must lie whole inside the screen and must not cover another.
//
// In the tutorial the ship first flies to one side wall and then to the
// other while the first lesson's text is up (the level's edge is not the
// picture's: the view stays centred on the ship), and every text there is
// judged on every step: a lesson stays up until it is done.
//
// A text is judged when it appears (a new entity or a new string) and on every
// step the script moves it (a message held over the ship); a label fixed in
// the world that the view scrolls past is not a fault, nor is the brief
// overlap of two texts that both stay where they are.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "graphics/DrawString.h"
#include "levelplay/LevelEntry.h"
#include "levelplay/LevelList.h"
#include "levelplay/LuaEntity.h"
#include "levelplay/SimulatedInput.h"
#include "script/LuaRuntime.h"
#include "support/PlayTestSupport.h"

namespace {

// Steps of each game: the opening messages and the first waves.
const int kSteps = 600;
// The tutorial's flights to the walls before its lessons: the stick held
// toward -y, then toward +y (world degrees), long enough to cross the room.
const int kWallSteps[2] = {250, 500};
const int kWallAngles[2] = {270, 90};

struct Box {
    float x0, y0, x1, y1;
    bool overlaps(const Box& o) const { return x0 < o.x1 && o.x0 < x1 && y0 < o.y1 && o.y0 < y1; }
    bool inside(const Box& o) const { return x0 >= o.x0 && y0 >= o.y0 && x1 <= o.x1 && y1 <= o.y1; }
};

// One text on the screen this step. A world text is known by its entity; the
// HUD lines by their slot.
struct Shown {
    const void* owner;
    std::string text;
    Coord world;  // where the script put it (HUD lines: 0)
    Box box;      // on the screen, in pixels
    bool judged;  // new this step, or moved by the script since the last step
};

Box screen() { return {0, 0, (float)Device::screenWidth, (float)Device::screenHeight}; }

// A world point on the screen of the untilted play view.
Coord toScreen(float x, float y) {
    return Coord((x - StatePlay::camera.x) * StatePlay::realZoom + Device::screenWidth * 0.5f,
                 (y - StatePlay::camera.y) * StatePlay::realZoom + Device::screenHeight * 0.5f, 0);
}

// The screen box of a script entity's text: the module's width along the
// text, the font's height across it (the baked glyphs hang below the origin),
// turned and scaled as the entity draws it.
Box textBox(LuaEntity* e) {
    float sx = e->scaleIsSet ? e->scale[0] : 1.0f, sy = e->scaleIsSet ? e->scale[1] : 1.0f;
    float w = (float)e->getTextWidth() / sx;
    float h = (float)DrawString::getInstance()->getCharacterHeight();
    float a = e->angle * 3.14159265f / 180.0f, c = std::cos(a), s = std::sin(a);
    Box b = {1e9f, 1e9f, -1e9f, -1e9f};
    for (float lx : {0.0f, w})
        for (float ly : {0.0f, -h}) {
            float px = lx * sx, py = ly * sy;
            Coord p = toScreen(e->position.x + px * c - py * s, e->position.y + px * s + py * c);
            b = {std::min(b.x0, p.x), std::min(b.y0, p.y), std::max(b.x1, p.x), std::max(b.y1, p.y)};
        }
    return b;
}

// A HUD line as the play screen draws it: from its corner toward -y (the
// text turned by -90 degrees), in the HUD's scale of the screen height.
Box hudBox(const std::string& text, float cornerX, float cornerY) {
    float k = 0.0012f * Device::screenHeight;
    float w = DrawString::getInstance()->getStringWidth(text) * k;
    float h = DrawString::getInstance()->getCharacterHeight() * k;
    float x = cornerX * Device::screenWidth, y = cornerY * Device::screenHeight;
    return {x - h, y - w, x, y};
}

// The texts on the screen now; `last` holds the previous step's, to tell
// which are new or moved. With `held`, every text is one the player is to
// read wherever the ship is, and is judged on every step.
std::vector<Shown> textsOnScreen(const std::vector<Shown>& last, bool held) {
    StatePlay::calculateCameraLimits();
    std::vector<Shown> now;
    auto add = [&](const void* owner, const std::string& text, Coord world, Box box) {
        if (!box.overlaps(screen()))
            return;
        bool judged = true;
        for (const Shown& l : last)
            if (l.owner == owner && l.text == text && !held)
                judged = l.world.x != world.x || l.world.y != world.y;
        now.push_back({owner, text, world, box, judged});
    };
    for (Entity* entity : Entity::entityVector) {
        LuaEntity* e = dynamic_cast<LuaEntity*>(entity);
        if (!e || e->toBeDeleted || e->hidden || !e->hasText || e->getTextWidth() <= 0)
            continue;
        if (e->hasCustomColor && e->customColor.a <= 0.0f)
            continue;
        Box box = textBox(e);
        bool seen = false;
        for (const Shown& l : last)
            seen |= l.owner == e && l.text == e->text;
        // A text that appears wholly off the screen is never read.
        if (!box.overlaps(screen()) && (!seen || held))
            now.push_back({e, e->text, e->position, box, true});
        else
            add(e, e->text, e->position, box);
    }
    static const int hudSlots[2] = {1, 2};
    if (!StatePlay::HUDString1.empty())
        add(&hudSlots[0], StatePlay::HUDString1, Coord(0, 0, 0), hudBox(StatePlay::HUDString1, 0.95f, 0.95f));
    if (!StatePlay::HUDString2.empty())
        add(&hudSlots[1], StatePlay::HUDString2, Coord(0, 0, 0), hudBox(StatePlay::HUDString2, 0.95f, 0.36f));
    return now;
}

class LevelText : public playtest::RealLevelTest {
protected:
    // Plays the level's opening and returns its faults, one line each, once.
    std::set<std::string> faultsOf(const std::string& path, int difficulty) {
        Preferences::getInstance()->setDifficultySettings(difficulty);
        srand(2);
        std::string error;
        StatePlay* play = newPlayScreenForLevel(path, &error);
        std::set<std::string> faults;
        if (!play)
            return {"does not start: " + error};
        LevelRun run(play);
        lua_State* L = play->getLuaState();
        bool tutorial = path == playtest::tutorialPath;
        SimulatedInput input;
        if (tutorial)
            luaL_dostring(L, "levelTest.pilot = function() return wallAngle or 0, wallAngle and 100 or 0, 0, 0 end");
        input.parse(tutorial || hasPilot(L) ? "pilot" : "neutral", &error);
        input.setPilotState(L);
        std::vector<Shown> last;
        int steps = tutorial ? kWallSteps[1] + kSteps : kSteps;
        float lowest = 1e9f, highest = -1e9f;  // the ship's y on the way to the walls
        for (int step = 0; step < steps; step++) {
            if (tutorial && step < kWallSteps[1]) {
                lua_pushinteger(L, kWallAngles[step < kWallSteps[0] ? 0 : 1]);
                lua_setglobal(L, "wallAngle");
            } else if (tutorial) {
                lua_pushnil(L);
                lua_setglobal(L, "wallAngle");
                // The player reads each text, presses "Ok" and does the lesson.
                if (StatePlay::drawOkButton && step % 60 == 59)
                    StatePlay::buttonWasPressed = true;
                if (step % 5 == 0)
                    luaL_dostring(L, "levelTest.win()");
            }
            int x[2], y[2];
            input.touchesForStep(step, StatePlay::joysticks, x, y);
            if (!run.frame(x, y, false))
                break;
            if (tutorial && step < kWallSteps[1]) {
                lowest = std::min(lowest, StatePlay::camera.y);
                highest = std::max(highest, StatePlay::camera.y);
            }
            // After the step: the ship has put the camera over itself.
            std::vector<Shown> now = textsOnScreen(last, tutorial);
            judge(now, &faults);
            last = now;
        }
        if (!input.pilotError().empty())
            faults.insert(input.pilotError());
        // The room is 1000 high, its walls 40 thick.
        if (tutorial && (lowest > 100 || highest < 900))
            faults.insert("the ship did not reach both walls: y from " + std::to_string((int)lowest) + " to " +
                          std::to_string((int)highest));
        return faults;
    }

private:
    static bool hasPilot(lua_State* L) {
        lua_getglobal(L, "levelTest");
        bool found = false;
        if (lua_istable(L, -1)) {
            lua_getfield(L, -1, "pilot");
            found = lua_isfunction(L, -1);
            lua_pop(L, 1);
        }
        lua_pop(L, 1);
        return found;
    }

    static void judge(const std::vector<Shown>& now, std::set<std::string>* faults) {
        for (size_t i = 0; i < now.size(); i++) {
            if (!now[i].judged)
                continue;
            if (!now[i].box.inside(screen()))
                faults->insert("\"" + now[i].text + "\" leaves the screen");
            for (size_t j = 0; j < now.size(); j++)
                if (j != i && now[i].box.overlaps(now[j].box) && now[j].box.overlaps(screen()))
                    faults->insert("\"" + std::min(now[i].text, now[j].text) + "\" and \"" +
                                   std::max(now[i].text, now[j].text) + "\" overlap");
        }
    }
};

// The catalogue's levels: every campaign level, every infinity level.
std::vector<std::string> catalogue() {
    std::vector<std::string> paths;
    LevelList* list = LevelList::getInstance();
    for (int c = 0; c < list->getNumberOfCampaigns(); c++)
        for (int i = 0; i < list->getNumberOfCampaignLevels(c); i++)
            paths.push_back(list->getCampaign(c)->get(i)->path);
    for (int i = 0; i < list->getNumberOfLevels(); i++)
        paths.push_back(list->getLevelInformation(i)->path);
    return paths;
}

}  // namespace

TEST_F(LevelText, EveryTextStaysOnTheScreenAndClearOfTheOthers) {
    std::vector<std::string> levels = catalogue();
    levels.push_back(playtest::tutorialPath);
    for (const std::string& path : levels) {
        bool campaign = path.find("/infinity/") == std::string::npos && path != playtest::tutorialPath;
        for (int difficulty : {0, 2}) {
            if (difficulty > 0 && !campaign)
                continue;
            for (const std::string& fault : faultsOf(path, difficulty))
                ADD_FAILURE() << path << " at difficulty " << difficulty << ": " << fault;
        }
    }
}

// The measure itself: a message too long for the screen, one held over the
// ship, a second one over the first and a HUD line that runs into the other.
TEST_F(LevelText, TheMeasureFindsEachKindOfFault) {
    const std::string path = "/data/levels/test/texts.lua";
    struct Case {
        const char* what;
        const char* script;
        const char* fault;  // "" when the texts are fine
    };
    const Case cases[] = {
        {"a short message over the ship", "createMessage('Short', 600)", ""},
        {"a message wider than the screen", "createMessage('A message of forty characters or so here', 600)",
         "\"A message of forty characters or so here\" leaves the screen"},
        {"two messages at once over the ship", "createMessage('First', 600) createMessage('Second', 600)",
         "\"First\" and \"Second\" overlap"},
        {"a label placed off the screen", "createMessage('Far', 600, 1900, 1900)", "\"Far\" leaves the screen"},
        {"a HUD line into the other",
         "zorbix.setHudString1('Lives: 3 and a long tail of words here') zorbix.setHudString2('Kills: 0')",
         "\"Kills: 0\" and \"Lives: 3 and a long tail of words here\" overlap"},
        {"two short HUD lines", "zorbix.setHudString1('Lives: 3') zorbix.setHudString2('Kills: 0')", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        // The texts come at the first step: the play screen clears the HUD after init.
        addLevel(path, std::string("require '/data/functions/createMessage'\n"
                                   "function init() setLevelSize(2000, 2000) "
                                   "playerShip = zorbix.newPlayer(1000, 1000) end\n"
                                   "local pass, shown = update, false\n"
                                   "function update() if not shown then shown = true ") +
                           c.script + " end pass() end\n");
        std::set<std::string> faults = faultsOf(path, 0);
        if (*c.fault)
            EXPECT_EQ(faults.count(c.fault), 1u) << "found: " << ::testing::PrintToString(faults);
        else
            EXPECT_TRUE(faults.empty()) << ::testing::PrintToString(faults);
        removeAddedLevels();
    }
}
