// The desktop game in a real X server (Xvfb), driven by SDL events from a
// fresh profile: the title, the first campaign level, its menu, and back.
#include <SDL.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "screens/ChooseCampaign.h"
#include "screens/StateChooseCampaign.h"
#include "screens/StateChooseCampaignNumber.h"
#include "screens/StateChooseGameType.h"
#include "screens/StateFirstMenu.h"
#include "screens/StateSuggestTuto.h"
#include "support/FlowDriver.h"
#include "support/VirtualServer.h"
#include "widgets/MainMenu.h"

namespace {

bool xvfbInstalled() { return system("command -v Xvfb > /dev/null 2>&1") == 0; }

// The loop's frames with SDL events pushed in between.
struct Desktop {
    void frame() { mainLoopFrame(); }
    void run(int n) {
        for (int i = 0; i < n; i++)
            frame();
    }
    void mouse(Uint32 type, int x, int y) {
        SDL_Event e = {};
        e.type = type;
        e.button.button = SDL_BUTTON_LEFT;
        e.button.x = x;
        e.button.y = y;
        SDL_PushEvent(&e);
    }
    void click(Button* b) {
        int x, y;
        FlowDriver::windowPixelOf(FlowDriver::middleOf(b), &x, &y);
        mouse(SDL_MOUSEBUTTONDOWN, x, y);
        frame();
        mouse(SDL_MOUSEBUTTONUP, x, y);
        frame();
    }
    void key(SDL_Keycode sym) {
        for (Uint32 type : {SDL_KEYDOWN, SDL_KEYUP}) {
            SDL_Event e = {};
            e.type = type;
            e.key.keysym.sym = sym;
            SDL_PushEvent(&e);
            frame();
        }
    }
    template <class T>
    T* settleOn() {
        Game* g = Game::getInstance();
        for (int i = 0; i < 400 && (g->isInTransition() || !g->getCurrentState()->active); i++)
            frame();
        T* screen = dynamic_cast<T*>(g->getCurrentState());
        State& shown = *g->getCurrentState();
        EXPECT_NE(screen, nullptr) << typeid(shown).name();
        return screen;
    }
};

}  // namespace

TEST(DesktopFlow, FromTheTitleIntoACampaignLevelAndBack) {
    if (!xvfbInstalled())
        GTEST_SKIP() << "Xvfb is not installed: the desktop walk is not tested";
    VirtualServer server;
    ASSERT_FALSE(server.display.empty()) << "Xvfb did not start";
    setenv("DISPLAY", server.display.c_str(), 1);
    unsetenv("ZORBIX_HEADLESS");
    TempGameDir dir;
    ASSERT_EQ(mainStartUp(), 0);
    LevelList* list = LevelList::getInstance();
    std::string first = list->getCampaign(0)->get(0)->path;
    LuaScriptList::getInstance()->addScriptForTests(first, "function init() end\nfunction update() end\n");
    Desktop d;
    // The game starts on the title screen, active at once.
    StateFirstMenu* title = dynamic_cast<StateFirstMenu*>(Game::getInstance()->getCurrentState());
    ASSERT_NE(title, nullptr);
    EXPECT_TRUE(title->active);
    d.click(title->getMenu()->getPlayButton());
    StateSuggestTuto* suggestion = d.settleOn<StateSuggestTuto>();
    ASSERT_NE(suggestion, nullptr);
    d.click(suggestion->getSkipButton());
    StateChooseGameType* type = d.settleOn<StateChooseGameType>();
    ASSERT_NE(type, nullptr);
    d.click(type->getCampaignButton());
    StateChooseCampaignNumber* chapters = d.settleOn<StateChooseCampaignNumber>();
    ASSERT_NE(chapters, nullptr);
    d.click(chapters->getChapterButton(0));
    StateChooseCampaign* levels = d.settleOn<StateChooseCampaign>();
    ASSERT_NE(levels, nullptr);
    d.run(60);
    d.click(&levels->getPanel()->getButtons()[0]->button);
    StatePlay* play = d.settleOn<StatePlay>();
    ASSERT_NE(play, nullptr);
    d.key(SDLK_p);
    d.run(40);
    EXPECT_TRUE(play->isMenuOpen());
    d.key(SDLK_ESCAPE);
    d.run(10);
    d.key(SDLK_ESCAPE);
    levels = d.settleOn<StateChooseCampaign>();
    ASSERT_NE(levels, nullptr);
    d.key(SDLK_ESCAPE);
    d.settleOn<StateChooseCampaignNumber>();
    d.key(SDLK_ESCAPE);
    d.settleOn<StateChooseGameType>();
    LuaScriptList::getInstance()->removeScriptForTests(first);
    // The window closes as it would by its close button.
    SDL_Event quit = {};
    quit.type = SDL_QUIT;
    SDL_PushEvent(&quit);
    for (int i = 0; i < 10 && !mainLoop.exit_application; i++)
        d.frame();
    EXPECT_TRUE(mainLoop.exit_application);
    mainShutDown();
}
