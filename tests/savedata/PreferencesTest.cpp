// Preferences: defaults, the immediate effects, the file round trip, the hash
// guard, versions, and hostile or damaged "prefs.txt" files.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include "core/Device.h"
#include "core/Game.h"
#include "graphics/AudioPlayer.h"
#include "graphics/Explosion.h"
#include "graphics/SoundManager.h"
#include "savedata/Preferences.h"
#include "script/LuaRuntime.h"
#include "support/StateGuards.h"
#include "support/TempGameDir.h"

namespace {
float lastLineWidth = -1;
int lightCalls = 0;
bool lastLight = false;

class PreferencesTest : public ::testing::Test {
protected:
    void SetUp() override {
        Device::screenWidth = 1024;
        Device::touchScreenWidth = 1024;
        Device::touchScreenHeight = 600;
        Device::joystickSize = 2.5f;
        Device::putJoysticksInTheMiddleOfTheScreen = false;
        Device::enableExplosionTextures = true;
        Preferences::applyLineWidth = [](float w) { lastLineWidth = w; };
        Preferences::applyTexturedExplosionsEnabled = [](bool on) {
            lightCalls++;
            lastLight = on;
        };
        lastLineWidth = -1;
        lightCalls = 0;
    }
    // What the preferences set as they load: the device's parameters, the
    // explosions switch, the sound and music switches and the hooks.
    DeviceGuard device;
    ExplosionActivationGuard activation;
    SavedValue<bool> soundsEnabled{SoundManager::getInstance()->enabled};
    SavedValue<bool> musicPaused{AudioPlayer::getInstance()->paused};
    PreferenceHooksGuard hooks;
    PreferencesGuard reloadAfterwards;
    Preferences* reload() {
        Preferences::reloadForTests();
        return Preferences::getInstance();
    }
    // A current-version file made of the given lines and a matching guard.
    std::string versionFour(const std::string& lines, int ship = 0) {
        return lines + "prefVersion = 4\nhash = \"" + Preferences::getInstance()->genHash(ship) + "\"\n";
    }
    TempGameDir dir;
};
}  // namespace

TEST_F(PreferencesTest, FirstStartDefaultsAndImmediateEffects) {
    Device::screenWidth = 320;
    SoundManager::getInstance()->enabled = false;
    AudioPlayer::getInstance()->paused = true;
    Explosion::isActivated = false;
    Preferences* p = reload();
    EXPECT_FALSE(p->get_hasDoneTutorial());
    EXPECT_EQ(p->getNickName(), "^3Zorbix ^wfan");
    EXPECT_EQ(p->getLineWidth(), 1);
    EXPECT_EQ(lastLineWidth, 1.0f);
    EXPECT_EQ(lightCalls, 1);
    EXPECT_TRUE(lastLight);
    EXPECT_TRUE(SoundManager::getInstance()->enabled);
    EXPECT_FALSE(AudioPlayer::getInstance()->paused);
    EXPECT_TRUE(Explosion::isActivated);
    EXPECT_EQ(p->getJoysticksPosition(), 3);
    EXPECT_EQ(p->getJoystickStyle(), 1);
    EXPECT_EQ(p->getCustomJoysticksSize(), 2500);
    EXPECT_EQ(p->getVolume(), 5);
    Coord left, right;
    p->getJoysticksCustomPosition(left, right);
    EXPECT_EQ(left.x, 0.3f * 1024);
    EXPECT_EQ(left.y, 0.85f * 600);
    EXPECT_EQ(right.y, 0.15f * 600);
    EXPECT_FALSE(dir.documentExists("prefs.txt"));

    Device::screenWidth = 1024;
    EXPECT_EQ(reload()->getLineWidth(), 2);
    p = Preferences::getInstance();
    p->setLightEnabled(false);
    EXPECT_FALSE(lastLight);
    Device::enableExplosionTextures = false;
    p->setLightEnabled(true);
    EXPECT_FALSE(lastLight);
    EXPECT_TRUE(p->getLightEnabled());
    p->setMusicEnabled(false);
    EXPECT_TRUE(AudioPlayer::getInstance()->paused);
    p->setSoundEffectsEnabled(false);
    EXPECT_FALSE(SoundManager::getInstance()->enabled);
    p->setExplosionEffectEnabled(false);
    EXPECT_FALSE(Explosion::isActivated);
    p->setLineWidth(3);
    EXPECT_EQ(lastLineWidth, 3.0f);
    p->setCampaignMenuOffset(3, 10);
    p->setCampaignMenuOffset(-1, 10);
    EXPECT_EQ(p->getCampaignMenuOffset(3), 0);
    EXPECT_EQ(p->getCampaignMenuOffset(0), 0);
}

TEST_F(PreferencesTest, FileFormat) {
    Preferences* p = reload();
    p->setJoysticksCustomPosition(Coord(123.4567f, -2.5f, 9), Coord(1, 2, 3));
    ASSERT_TRUE(p->save());
    std::string text = dir.readDocument("prefs.txt");
    std::string hash = p->genHash(0);
    EXPECT_EQ(text.find("nickName = \"^3Zorbix ^wfan\"\nhash = \" \"\nlastChosenLevelNumber = 0\n"
                        "reverseJoysticks = false\njoysticksPosition = 3\n"),
              0u)
        << text;
    EXPECT_NE(text.find("\ncustomLeftJoysticksPosition_x = 123457\ncustomLeftJoysticksPosition_y = -2500\n"),
              std::string::npos)
        << text;
    EXPECT_NE(text.find("\nmusicAnimationEnabled = true\nprefVersion = 4\nhash = \"" + hash + "\"\n"),
              std::string::npos)
        << text;
    EXPECT_EQ(text.substr(text.size() - 74), "hash = \"" + hash + "\"\n");
    EXPECT_EQ(hash, Game::encode("tomba!0"));
    EXPECT_FALSE(dir.documentExists("prefs.txt.tmp"));

    Coord left, right;
    reload()->getJoysticksCustomPosition(left, right);
    EXPECT_EQ(left.x, 123.457f);
    EXPECT_EQ(left.y, -2.5f);
    EXPECT_EQ(left.z, 0.0f);
}

TEST_F(PreferencesTest, RoundTripKeepsValuesAndBytes) {
    Preferences* p = reload();
    const std::string nick = "^1\"q\" \\ ]]os.exit(3)--\xC3\xA9";
    p->setNickName(nick);
    p->setShipModelSelected(7);
    p->setDifficultySettings(2);
    p->setLastChosenLevelNumber(5);
    p->setSwapJoysticks(true);
    p->setJoysticksPosition(6);
    p->set_hasDoneTutorial(true);
    p->set_isShowingLocalScores(false);
    p->setNextReplayId(42);
    p->setCustomJoysticksSize(1700);
    p->setHideJoysticks(true);
    p->setJoystickStyle(0);
    p->setVibrationEnabled(false);
    p->setLineWidth(4);
    p->setLastChosenCampaignNumber(2);
    p->setCampaignMenuOffset(1, -345);
    p->setIsScreenReversed(true);
    p->setMusicEnabled(false);
    p->set_muteShootingSounds(true);
    p->setVolume(9);
    p->set_campaignAutoPauseEnabled(true);
    ASSERT_TRUE(p->save());

    p = reload();
    EXPECT_EQ(p->getNickName(), nick);
    EXPECT_EQ(p->getShipModelSelected(), 7);
    EXPECT_EQ(p->getDifficultySettings(), 2);
    EXPECT_EQ(p->getLastChosenLevelNumber(), 5);
    EXPECT_TRUE(p->getSwapJoysticks());
    EXPECT_EQ(p->getJoysticksPosition(), 6);
    EXPECT_TRUE(p->get_hasDoneTutorial());
    EXPECT_FALSE(p->get_isShowingLocalScores());
    EXPECT_EQ(p->getNextReplayId(), 42);
    EXPECT_EQ(p->getCustomJoysticksSize(), 1700);
    EXPECT_TRUE(p->getHideJoysticks());
    EXPECT_EQ(p->getJoystickStyle(), 0);
    EXPECT_FALSE(p->getVibrationEnabled());
    EXPECT_EQ(p->getLineWidth(), 4);
    EXPECT_EQ(lastLineWidth, 4.0f);
    EXPECT_EQ(p->getLastChosenCampaignNumber(), 2);
    EXPECT_EQ(p->getCampaignMenuOffset(1), -345);
    EXPECT_TRUE(p->getIsScreenReversed());
    EXPECT_FALSE(p->getMusicEnabled());
    EXPECT_TRUE(AudioPlayer::getInstance()->paused);
    EXPECT_TRUE(p->get_muteShootingSounds());
    EXPECT_EQ(p->getVolume(), 9);
    EXPECT_TRUE(p->get_campaignAutoPauseEnabled());
    // Saving what was loaded reproduces the file byte for byte (the second
    // line holds the guard as last read, so from the first reload on).
    ASSERT_TRUE(p->save());
    std::string saved = dir.readDocument("prefs.txt");
    ASSERT_TRUE(reload()->save());
    EXPECT_EQ(dir.readDocument("prefs.txt"), saved);
    EXPECT_EQ(Preferences::getInstance()->getNickName(), nick);
}

// A file as earlier versions of the game wrote it (no escapes anywhere).
TEST_F(PreferencesTest, ExistingFilesLoadUnchanged) {
    dir.writeDocument("prefs.txt",
                      "nickName = \"^2Old ^7timer\"\nhash = \" \"\nlastChosenLevelNumber = 3\n"
                      "reverseJoysticks = true\njoysticksPosition = 2\nhasDoneTutorial = true\n"
                      "shipModelSelected = 4\ncustomLeftJoysticksPosition_x = 307200\n"
                      "customLeftJoysticksPosition_y = 510000\nlineWidth = 3\n" +
                          versionFour("", 4));
    Preferences* p = reload();
    EXPECT_EQ(p->getNickName(), "^2Old ^7timer");
    EXPECT_EQ(p->getLastChosenLevelNumber(), 3);
    EXPECT_TRUE(p->getSwapJoysticks());
    EXPECT_EQ(p->getJoysticksPosition(), 2);
    EXPECT_EQ(p->getShipModelSelected(), 4);
    EXPECT_EQ(p->getLineWidth(), 3);
    Coord left, right;
    p->getJoysticksCustomPosition(left, right);
    EXPECT_EQ(left.x, 307.2f);
    EXPECT_EQ(right.x, 0.3f * 1024);  // absent: the default
}

TEST_F(PreferencesTest, VersionAndGuard) {
    // Below version 4, or without a version, the whole file is ignored.
    for (const char* version : {"prefVersion = 3\n", "", "prefVersion = 'x'\n"}) {
        dir.writeDocument("prefs.txt", std::string("nickName = \"other\"\nhasDoneTutorial = true\n") + version);
        Preferences* p = reload();
        EXPECT_EQ(p->getNickName(), "^3Zorbix ^wfan") << version;
        EXPECT_FALSE(p->get_hasDoneTutorial()) << version;
    }
    // A current file without the tutorial key counts as done.
    dir.writeDocument("prefs.txt", versionFour("volume = 2\n"));
    EXPECT_TRUE(reload()->get_hasDoneTutorial());
    EXPECT_EQ(Preferences::getInstance()->getVolume(), 2);
    // A ship edited without its guard falls back to 0; the rest stays.
    dir.writeDocument("prefs.txt", versionFour("shipModelSelected = 5\nvolume = 7\n", 4));
    EXPECT_EQ(reload()->getShipModelSelected(), 0);
    EXPECT_EQ(Preferences::getInstance()->getVolume(), 7);
    // Mistyped keys take their defaults; a number is a valid string.
    dir.writeDocument("prefs.txt", versionFour("volume = 'loud'\nhideJoysticks = 1\nnickName = 12\n"));
    Preferences* p = reload();
    EXPECT_EQ(p->getVolume(), 5);
    EXPECT_FALSE(p->getHideJoysticks());
    EXPECT_EQ(p->getNickName(), "12");
}

TEST_F(PreferencesTest, OutOfRangeValuesTakeTheirDefaults) {
    struct Case {
        const char* line;
        int (Preferences::*get)();
        int expected;
    } cases[] = {
        {"difficultySettings = 3", &Preferences::getDifficultySettings, 0},
        {"difficultySettings = 2", &Preferences::getDifficultySettings, 2},
        {"joysticksPosition = 7", &Preferences::getJoysticksPosition, 3},
        {"joysticksPosition = -1", &Preferences::getJoysticksPosition, 3},
        {"customJoysticksSize = 0", &Preferences::getCustomJoysticksSize, 2500},
        {"lastChosenLevelNumber = 8", &Preferences::getLastChosenLevelNumber, 0},
        {"lastChosenCampaignNumber = 3", &Preferences::getLastChosenCampaignNumber, 0},
        {"lineWidth = 0", &Preferences::getLineWidth, 2},
        {"lineWidth = 5", &Preferences::getLineWidth, 2},
        {"campaign2MenuOffset = 2147483647", nullptr, 0},
        {"nextReplayId = 0", &Preferences::getNextReplayId, 1},
        {"nextReplayId = -40", &Preferences::getNextReplayId, 1},
        {"nextReplayId = 17", &Preferences::getNextReplayId, 17},
    };
    for (const Case& c : cases) {
        dir.writeDocument("prefs.txt", versionFour(std::string(c.line) + "\n"));
        Preferences* p = reload();
        int value = c.get ? (p->*c.get)() : p->getCampaignMenuOffset(2);
        EXPECT_EQ(value, c.expected) << c.line;
    }
    // A ship beyond the last model, even with a matching guard.
    dir.writeDocument("prefs.txt", versionFour("shipModelSelected = 9\n", 9));
    EXPECT_EQ(reload()->getShipModelSelected(), 0);
}

TEST_F(PreferencesTest, HostileFilesLoadDefaultsAndHarmNothing) {
    std::string bytecode;
    {
        lua_State* L = luaL_newstate();
        luaL_openlibs(L);
        luaL_dostring(L, "return string.dump(loadstring('prefVersion = 4 volume = 1'))");
        size_t n = 0;
        const char* b = lua_tolstring(L, -1, &n);
        bytecode.assign(b, n);
        lua_close(L);
    }
    std::string valid = versionFour("volume = 1\nnickName = \"fine\"\n");
    struct Case {
        const char* name;
        std::string text;
        int volume;  // what survives: assignments made before the file stopped
    } cases[] = {
        {"calls os.execute", "prefVersion = 4\nvolume = 1\nos.execute('touch pwned')\nvolume = 2\n", 1},
        {"calls io", "prefVersion = 4\nio.open('pwned', 'w')\n", 5},
        {"requires", "prefVersion = 4\nvolume = 1\nrequire('/data/entities/LuaEntity')\n", 1},
        {"loops for ever", "prefVersion = 4\nvolume = 1\nwhile true do end\n", 1},
        {"recurses", "prefVersion = 4\nvolume = 1\nlocal function f() return 1 + f() end f()\n", 1},
        {"eats memory", "prefVersion = 4\nvolume = 1\nt = {} for i = 1, 100000000 do t[i] = i end\n", 1},
        {"grows a string", "prefVersion = 4\nvolume = 1\ns = 'x' while true do s = s .. s end\n", 1},
        {"is bytecode", bytecode, 5},
        {"is truncated", valid.substr(0, valid.size() / 2) + "nickName = \"unfinished", 5},
        {"is empty", "", 5},
        {"is binary noise", std::string("\0\xff\x1bLua\x51\0", 8), 5},
    };
    for (const Case& c : cases) {
        dir.writeDocument("prefs.txt", c.text);
        Preferences* p = reload();
        EXPECT_EQ(p->getVolume(), c.volume) << c.name;
        EXPECT_NE(p->getNickName(), "fine") << c.name;
        EXPECT_FALSE(dir.documentExists("pwned")) << c.name;
        // The next save rewrites a clean file.
        ASSERT_TRUE(p->save()) << c.name;
        EXPECT_EQ(reload()->getVolume(), c.volume) << c.name;
    }
}

TEST_F(PreferencesTest, FailedSaveLeavesTheOldFile) {
    Preferences* p = reload();
    p->setVolume(8);
    ASSERT_TRUE(p->save());
    std::string before = dir.readDocument("prefs.txt");
    // The temporary file cannot be made: the save says so and changes nothing.
    ASSERT_EQ(mkdir((dir.root + "/data/prefs.txt.tmp").c_str(), 0755), 0);
    p->setVolume(1);
    EXPECT_FALSE(p->save());
    EXPECT_EQ(dir.readDocument("prefs.txt"), before);
    EXPECT_EQ(rmdir((dir.root + "/data/prefs.txt.tmp").c_str()), 0);
    // The rename cannot replace the old entry: the temporary file goes away.
    std::string moved = dir.root + "/data/moved.txt";
    ASSERT_EQ(rename((dir.root + "/data/prefs.txt").c_str(), moved.c_str()), 0);
    ASSERT_EQ(mkdir((dir.root + "/data/prefs.txt").c_str(), 0755), 0);
    ASSERT_EQ(mkdir((dir.root + "/data/prefs.txt/keep").c_str(), 0755), 0);
    EXPECT_FALSE(p->save());
    EXPECT_FALSE(dir.documentExists("prefs.txt.tmp"));
    EXPECT_TRUE(dir.documentExists("prefs.txt/keep"));
}

// Stick positions come back exactly as they were saved, however often.
TEST_F(PreferencesTest, CoordinatesSurviveSaveAndLoadExactly) {
    int drifted = 0, first = 0;
    for (int t = -10000000; t <= 10000000; t++)
        if (PrefValue::toThousandths(PrefValue::fromThousandths(t)) != t && drifted++ == 0)
            first = t;
    EXPECT_EQ(drifted, 0) << "first at " << first;
    EXPECT_EQ(PrefValue::toThousandths(0.2509999f), 251);
    EXPECT_EQ(PrefValue::toThousandths(-0.2509999f), -251);
    EXPECT_EQ(PrefValue::toThousandths(1e12f), 2147483647);

    dir.writeDocument("prefs.txt", versionFour("customLeftJoysticksPosition_x = 251\n"
                                               "customRightJoysticksPosition_y = -9999999\n"));
    std::string saved;
    for (int cycle = 0; cycle < 3; cycle++) {
        ASSERT_TRUE(reload()->save());
        saved = dir.readDocument("prefs.txt");
    }
    EXPECT_NE(saved.find("\ncustomLeftJoysticksPosition_x = 251\n"), std::string::npos) << saved;
    EXPECT_NE(saved.find("\ncustomRightJoysticksPosition_y = -9999999\n"), std::string::npos) << saved;
}

TEST_F(PreferencesTest, NicknamesAreCleanAndAsLongAsTheKeyboardAllows) {
    const std::string fallback = "^3Zorbix ^wfan";
    struct Case {
        std::string stored;  // as a script string literal
        std::string loaded;
    } cases[] = {
        {"'" + std::string(1000, 'n') + "'", std::string(24, 'n')},
        {"'^1" + std::string(30, 'n') + "'", "^1" + std::string(22, 'n')},
        {"'a\\1b\\127c\\0d'", "abc"},  // up to the first zero byte
        {"'\\n\\t\\31\\127'", fallback},
        {"''", fallback},
        {"'" + std::string(22, 'k') + "^5'", std::string(22, 'k') + "^5"},
        {"'caf\\195\\169 ok'", "caf\xC3\xA9 ok"},
    };
    for (const Case& c : cases) {
        dir.writeDocument("prefs.txt", versionFour("nickName = " + c.stored + "\n"));
        EXPECT_EQ(reload()->getNickName(), c.loaded) << c.stored;
    }
    Preferences* p = Preferences::getInstance();
    p->setNickName("two\nlines\r\x7f");
    EXPECT_EQ(p->getNickName(), "twolines");
    p->setNickName("\x01");
    EXPECT_EQ(p->getNickName(), fallback);
}

// A file larger than any the game writes is refused whole and left in place.
TEST_F(PreferencesTest, OversizedFileIsRefusedAndKept) {
    std::string text = versionFour("volume = 1\n-- " + std::string(64 * 1024, '-') + "\n");
    dir.writeDocument("prefs.txt", text);
    EXPECT_EQ(reload()->getVolume(), 5);
    EXPECT_EQ(dir.readDocument("prefs.txt"), text);
    // A file as the game writes it is far below the limit.
    ASSERT_TRUE(Preferences::getInstance()->save());
    EXPECT_LT(dir.readDocument("prefs.txt").size(), 2048u);
}
