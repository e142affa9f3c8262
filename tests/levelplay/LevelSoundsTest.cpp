// The effects only the level scripts play (a boss's arrival, a warning, a
// helicopter) are played by some level, and every effect a level names is
// one of the game's sounds.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <set>
#include <string>

#include "script/LuaScriptList.h"

namespace {

// The effects named in the level scripts of the store.
std::set<std::string> soundsNamedByLevels() {
    static const std::string prefix = "/data/sounds/", suffix = ".caf";
    std::set<std::string> names;
    LuaScriptList* list = LuaScriptList::getInstance();
    for (int i = 0; i < list->getNumberOfScripts(); i++) {
        std::string path = list->getPath(i);
        if (path.compare(0, 13, "/data/levels/") != 0)
            continue;
        unsigned int size = 0;
        const char* text = list->getLuaScript(path, &size);
        std::string script(text, size);
        for (size_t at = script.find(prefix); at != std::string::npos; at = script.find(prefix, at + 1)) {
            size_t end = script.find(suffix, at);
            if (end != std::string::npos)
                names.insert(script.substr(at + prefix.size(), end - at - prefix.size()));
        }
    }
    return names;
}

}  // namespace

TEST(LevelSounds, TheScriptOnlyEffectsArePlayedAndEveryNamedEffectExists) {
    std::set<std::string> named = soundsNamedByLevels();
    for (const char* effect : {"copter", "danger", "gong", "gong_final", "roulement_tambour"})
        EXPECT_EQ(named.count(effect), 1u) << effect << " is played by no level";
    for (const std::string& name : named) {
        struct stat st;
        std::string file = std::string(ZORBIX_GAME_DIR) + "/app/native/data/sounds/" + name + ".wav";
        EXPECT_EQ(stat(file.c_str(), &st), 0) << "a level plays " << name << ", which is no sound of the game";
    }
}
