// The player's settings and small persistent counters, kept in "prefs.txt".
#pragma once

#include <cstdio>
#include <string>
#include <vector>

#include "core/Coord.h"

struct lua_State;

// One option: a typed value, its default and its key in the file. Only the
// pair of the option's own type is meaningful. Building one appends it to the
// option table of Preferences::instance.
class PrefValue {
public:
    enum TYPE { TYPE_BOOL = 0, TYPE_INT = 1, TYPE_STRING = 2, TYPE_COORD = 3 };

    PrefValue(std::string key, bool value, bool defaultValue);
    PrefValue(std::string key, int value, int defaultValue);
    PrefValue(std::string key, std::string value, std::string defaultValue);
    PrefValue(std::string key, Coord value, Coord defaultValue);

    // Writes the option's line(s); false when the stream failed.
    bool write(FILE* f);
    void load(lua_State* L);
    void addToList();

    // Coordinates are kept in the file in thousandths, rounded to nearest;
    // toThousandths(fromThousandths(t)) == t for |t| up to 10,000,000.
    static int toThousandths(float v);
    static float fromThousandths(int thousandths);

    int intValue = 0;
    int intDefault = 0;
    bool boolValue = false;
    bool boolDefault = false;
    std::string stringValue;
    std::string stringDefault;
    Coord coordValue;
    Coord coordDefault;
    std::string key;
    int type;
};

class Preferences {
public:
    static Preferences* getInstance();
    ~Preferences();

    // Writes "prefs.txt" whole (a temporary file, synced, then renamed over
    // the old one). False when it could not be written; the old file is then
    // left as it was.
    bool save();
    void load();
    std::string genHash(int value);
    void verifyHash();

    std::string getNickName();
    void setNickName(std::string name);
    int getLastChosenLevelNumber();
    void setLastChosenLevelNumber(int level);
    bool getSwapJoysticks();
    void setSwapJoysticks(bool swap);
    int getJoysticksPosition();
    void setJoysticksPosition(int position);
    bool get_rotateDuringReplays();
    void set_rotateDuringReplays(bool rotate);
    bool get_hasDoneTutorial();
    void set_hasDoneTutorial(bool done);
    bool get_isShowingLocalScores();
    void set_isShowingLocalScores(bool local);
    int getShipModelSelected();
    void setShipModelSelected(int model);
    int getNextReplayId();
    void setNextReplayId(int id);
    int getDifficultySettings();
    void setDifficultySettings(int difficulty);
    void getJoysticksCustomPosition(Coord& left, Coord& right);
    void setJoysticksCustomPosition(Coord left, Coord right);
    int getCustomJoysticksSize();
    void setCustomJoysticksSize(int size);
    bool getHideJoysticks();
    void setHideJoysticks(bool hide);
    int getJoystickStyle();
    void setJoystickStyle(int style);
    bool getVibrationEnabled();
    void setVibrationEnabled(bool enabled);
    bool get_skipPlayAgainMenu();
    void set_skipPlayAgainMenu(bool skip);
    bool get_glowEnabled();
    void set_glowEnabled(bool enabled);
    bool get_replayIs2D();
    void set_replayIs2D(bool flat);
    int getLineWidth();
    void setLineWidth(int width);
    int getLastChosenCampaignNumber();
    void setLastChosenCampaignNumber(int campaign);
    int getCampaignMenuOffset(int campaign);
    void setCampaignMenuOffset(int campaign, int offset);
    bool getIsScreenReversed();
    void setIsScreenReversed(bool reversed);
    bool getMusicEnabled();
    void setMusicEnabled(bool enabled);
    bool getSoundEffectsEnabled();
    void setSoundEffectsEnabled(bool enabled);
    bool get_muteShootingSounds();
    void set_muteShootingSounds(bool mute);
    bool getLightEnabled();
    void setLightEnabled(bool enabled);
    bool getExplosionEffectEnabled();
    void setExplosionEffectEnabled(bool enabled);
    int getVolume();
    void setVolume(int volume);
    bool get_autoPauseEnabled();
    void set_autoPauseEnabled(bool enabled);
    bool get_campaignAutoPauseEnabled();
    void set_campaignAutoPauseEnabled(bool enabled);
    bool get_musicAnimationEnabled();
    void set_musicAnimationEnabled(bool enabled);

    // Settings that take effect at once go through these hooks, connected in
    // the Game's constructor: the line width and point size, in pixels, and the
    // textured explosions' enabled flag. Unset hooks are skipped.
    static void (*applyLineWidth)(float width);
    static void (*applyTexturedExplosionsEnabled)(bool enabled);

    // Points the hooks through which the lower folders read the player's
    // settings (the difficulty, the guns' sound, vibration, the reversed
    // screen, the sticks and the play settings) at these preferences. The
    // start-up calls it once; until then those folders use the defaults.
    static void connectHooks();

    // Builds a fresh instance from the current documents folder, for tests.
    static void reloadForTests();

    static Preferences* instance;
    std::vector<PrefValue*> table;

private:
    Preferences();
    Preferences(const Preferences&) = delete;
    Preferences& operator=(const Preferences&) = delete;
    void replaceOutOfRangeValues();
    bool writeTo(FILE* f);

    PrefValue* nickName;
    PrefValue* hash;
    PrefValue* lastChosenLevelNumber;
    PrefValue* reverseJoysticks;
    PrefValue* joysticksPosition;
    PrefValue* rotateDuringReplays;
    PrefValue* hasDoneTutorial;
    PrefValue* isShowingLocalScores;
    PrefValue* shipModelSelected;
    PrefValue* nextReplayId;
    PrefValue* difficultySettings;
    PrefValue* customLeftJoysticksPosition;
    PrefValue* customRightJoysticksPosition;
    PrefValue* customJoysticksSize;
    PrefValue* hideJoysticks;
    PrefValue* joystickStyle;
    PrefValue* vibrationEnabled;
    PrefValue* skipPlayAgainMenu;
    PrefValue* glowEnabled;
    PrefValue* replayIs2D;
    PrefValue* lineWidth;
    PrefValue* lastChosenCampaignNumber;
    PrefValue* campaignMenuOffset[3];
    PrefValue* isScreenReversed;
    PrefValue* isMusicEnabled;
    PrefValue* soundEffectsEnabled;
    PrefValue* muteShootingSounds;
    PrefValue* lightEnabled;
    PrefValue* explosionEnabled;
    PrefValue* volume;
    PrefValue* autoPauseEnabled;
    PrefValue* campaignAutoPauseEnabled;
    PrefValue* musicAnimationEnabled;
};
