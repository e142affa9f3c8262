// The preferences: 35 typed options, saved as assignments in "prefs.txt" and
// read back in a sandboxed script state.
#include "savedata/Preferences.h"

#include <climits>
#include <cmath>

#include "core/Device.h"
#include "core/Game.h"
#include "core/Joysticks.h"
#include "core/PlayContext.h"
#include "core/Vibrator.h"
#include "core/myfopen.h"
#include "graphics/AudioPlayer.h"
#include "graphics/Explosion.h"
#include "graphics/SoundManager.h"
#include "levelplay/PlaySettings.h"
#include "script/LuaCommon.h"

static const char* const fileName = "prefs.txt";
static const int fileVersion = 4;
// Far above any file the game writes (about 1.5 KiB): a larger one is
// refused whole, before it is parsed.
static const size_t maxFileSize = 64 * 1024;
// The longest name the score entry keyboard can make: its maximum length of
// 22, then one more character or a colour code, which it still accepts.
static const size_t longestNickName = 22 + 2;

Preferences* Preferences::instance = nullptr;
void (*Preferences::applyLineWidth)(float) = nullptr;
void (*Preferences::applyTexturedExplosionsEnabled)(bool) = nullptr;

PrefValue::PrefValue(std::string key_, bool value, bool defaultValue)
    : boolValue(value), boolDefault(defaultValue), key(key_), type(TYPE_BOOL) {
    addToList();
}

PrefValue::PrefValue(std::string key_, int value, int defaultValue)
    : intValue(value), intDefault(defaultValue), key(key_), type(TYPE_INT) {
    addToList();
}

PrefValue::PrefValue(std::string key_, std::string value, std::string defaultValue)
    : stringValue(value), stringDefault(defaultValue), key(key_), type(TYPE_STRING) {
    addToList();
}

PrefValue::PrefValue(std::string key_, Coord value, Coord defaultValue)
    : coordValue(value), coordDefault(defaultValue), key(key_), type(TYPE_COORD) {
    addToList();
}

void PrefValue::addToList() { Preferences::instance->table.push_back(this); }

int PrefValue::toThousandths(float v) {
    double scaled = std::round((double)v * 1000.0);
    if (scaled != scaled)
        return 0;
    if (scaled >= 2147483647.0)
        return 2147483647;
    if (scaled <= -2147483648.0)
        return -2147483647 - 1;
    return (int)scaled;
}

float PrefValue::fromThousandths(int thousandths) { return (float)(thousandths / 1000.0); }

bool PrefValue::write(FILE* f) {
    switch (type) {
    case TYPE_BOOL: return fprintf(f, "%s = %s\n", key.c_str(), boolValue ? "true" : "false") > 0;
    case TYPE_INT: return fprintf(f, "%s = %i\n", key.c_str(), intValue) > 0;
    case TYPE_STRING:
        return fprintf(f, "%s = ", key.c_str()) > 0 && fputs(quoteForDocument(stringValue).c_str(), f) >= 0 &&
               fputc('\n', f) != EOF;
    case TYPE_COORD:
        return fprintf(f, "%s_x = %i\n", key.c_str(), toThousandths(coordValue.x)) > 0 &&
               fprintf(f, "%s_y = %i\n", key.c_str(), toThousandths(coordValue.y)) > 0;
    }
    return false;
}

void PrefValue::load(lua_State* L) {
    switch (type) {
    case TYPE_BOOL: readBoolean(L, key, &boolValue, boolDefault); break;
    case TYPE_INT: readNumber(L, key, &intValue, intDefault); break;
    case TYPE_STRING: readString(L, key, &stringValue); break;
    case TYPE_COORD: {
        int x = 0, y = 0;
        readNumber(L, key + "_x", &x, toThousandths(coordDefault.x));
        readNumber(L, key + "_y", &y, toThousandths(coordDefault.y));
        coordValue.x = fromThousandths(x);
        coordValue.y = fromThousandths(y);
        break;
    }
    }
}

// The lower folders read (and the sticks store) these settings through hooks,
// all connected by connectHooks().
namespace playerSetting {

static int preferredDifficulty() { return Preferences::getInstance()->getDifficultySettings(); }
static bool shootingSoundsMuted() { return Preferences::getInstance()->get_muteShootingSounds(); }
static bool vibrationEnabled() { return Preferences::getInstance()->getVibrationEnabled(); }
static bool screenReversed() { return Preferences::getInstance()->getIsScreenReversed(); }
static int shipModel() { return Preferences::getInstance()->getShipModelSelected(); }
static bool autoPause() { return Preferences::getInstance()->get_autoPauseEnabled(); }
static bool campaignAutoPause() { return Preferences::getInstance()->get_campaignAutoPauseEnabled(); }
static int joysticksPosition() { return Preferences::getInstance()->getJoysticksPosition(); }
static bool skipPlayAgainMenu() { return Preferences::getInstance()->get_skipPlayAgainMenu(); }
static bool replayIs2D() { return Preferences::getInstance()->get_replayIs2D(); }
static bool rotateDuringReplays() { return Preferences::getInstance()->get_rotateDuringReplays(); }
static int nextReplayId() { return Preferences::getInstance()->getNextReplayId(); }
static void setNextReplayId(int id) {
    Preferences* preferences = Preferences::getInstance();
    preferences->setNextReplayId(id);
    preferences->save();
}
static Joysticks::Settings stickSettings() {
    Preferences* preferences = Preferences::getInstance();
    Joysticks::Settings settings;
    settings.position = preferences->getJoysticksPosition();
    settings.customSize = preferences->getCustomJoysticksSize();
    preferences->getJoysticksCustomPosition(settings.customHigh, settings.customLow);
    settings.swapped = preferences->getSwapJoysticks();
    settings.hidden = preferences->getHideJoysticks();
    settings.style = preferences->getJoystickStyle();
    return settings;
}
static void storeStickPosition(int position) {
    Preferences* preferences = Preferences::getInstance();
    preferences->setJoysticksPosition(position);
    preferences->save();
}
static void storeStickSwap(bool swapped) {
    Preferences* preferences = Preferences::getInstance();
    preferences->setSwapJoysticks(swapped);
    preferences->save();
}

}  // namespace playerSetting

void Preferences::connectHooks() {
    PlayContext::preferredDifficulty = playerSetting::preferredDifficulty;
    PlayContext::shootingSoundsMuted = playerSetting::shootingSoundsMuted;
    Vibrator::vibrationEnabled = playerSetting::vibrationEnabled;
    Game::screenReversed = playerSetting::screenReversed;
    Joysticks::readSettings = playerSetting::stickSettings;
    Joysticks::storePosition = playerSetting::storeStickPosition;
    Joysticks::storeSwap = playerSetting::storeStickSwap;
    PlaySettings::shipModel = playerSetting::shipModel;
    PlaySettings::autoPause = playerSetting::autoPause;
    PlaySettings::campaignAutoPause = playerSetting::campaignAutoPause;
    PlaySettings::joysticksPosition = playerSetting::joysticksPosition;
    PlaySettings::skipPlayAgainMenu = playerSetting::skipPlayAgainMenu;
    PlaySettings::replayIs2D = playerSetting::replayIs2D;
    PlaySettings::rotateDuringReplays = playerSetting::rotateDuringReplays;
    PlaySettings::nextReplayId = playerSetting::nextReplayId;
    PlaySettings::setNextReplayId = playerSetting::setNextReplayId;
}

Preferences* Preferences::getInstance() {
    if (!instance)
        new Preferences();
    return instance;
}

void Preferences::reloadForTests() {
    delete instance;
    instance = nullptr;
    getInstance();
}

Preferences::Preferences() {
    instance = this;
    float w = (float)Device::touchScreenWidth, h = (float)Device::touchScreenHeight;
    float stickX = Device::putJoysticksInTheMiddleOfTheScreen ? 0.55f : 0.3f;
    Coord left(stickX * w, 0.85f * h, 0), right(stickX * w, 0.15f * h, 0);
    int stickSize = (int)(Device::joystickSize * 1000);
    int width = Device::screenWidth < 400 ? 1 : 2;

    nickName = new PrefValue("nickName", std::string("^3Zorbix ^wfan"), std::string("^3Zorbix ^wfan"));
    hash = new PrefValue("hash", std::string(" "), std::string(" "));
    lastChosenLevelNumber = new PrefValue("lastChosenLevelNumber", 0, 0);
    reverseJoysticks = new PrefValue("reverseJoysticks", false, false);
    joysticksPosition = new PrefValue("joysticksPosition", 3, 3);
    rotateDuringReplays = new PrefValue("rotateDuringReplays", false, false);
    hasDoneTutorial = new PrefValue("hasDoneTutorial", false, true);
    isShowingLocalScores = new PrefValue("isShowingLocalScores", true, true);
    shipModelSelected = new PrefValue("shipModelSelected", 0, 0);
    nextReplayId = new PrefValue("nextReplayId", 1, 1);
    difficultySettings = new PrefValue("difficultySettings", 0, 0);
    customLeftJoysticksPosition = new PrefValue("customLeftJoysticksPosition", left, left);
    customRightJoysticksPosition = new PrefValue("customRightJoysticksPosition", right, right);
    customJoysticksSize = new PrefValue("customJoysticksSize", stickSize, stickSize);
    hideJoysticks = new PrefValue("hideJoysticks", false, false);
    joystickStyle = new PrefValue("joystickStyle", 1, 1);
    vibrationEnabled = new PrefValue("vibrationEnabled", true, true);
    skipPlayAgainMenu = new PrefValue("skipPlayAgainMenu", false, false);
    glowEnabled = new PrefValue("glowEnabled", true, true);
    replayIs2D = new PrefValue("replayIs2D", false, false);
    lineWidth = new PrefValue("lineWidth", width, width);
    lastChosenCampaignNumber = new PrefValue("lastChosenCampaignNumber", 0, 0);
    campaignMenuOffset[0] = new PrefValue("campaign0MenuOffset", 0, 0);
    campaignMenuOffset[1] = new PrefValue("campaign1MenuOffset", 0, 0);
    campaignMenuOffset[2] = new PrefValue("campaign2MenuOffset", 0, 0);
    isScreenReversed = new PrefValue("isScreenReversed", false, false);
    isMusicEnabled = new PrefValue("isMusicEnabled", true, true);
    soundEffectsEnabled = new PrefValue("soundEffectsEnabled", true, true);
    muteShootingSounds = new PrefValue("muteShootingSounds", false, false);
    lightEnabled = new PrefValue("lightEnabled", true, true);
    explosionEnabled = new PrefValue("explosionEnabled", true, true);
    volume = new PrefValue("volume", 5, 5);
    autoPauseEnabled = new PrefValue("autoPauseEnabled", true, true);
    campaignAutoPauseEnabled = new PrefValue("campaignAutoPauseEnabled", false, false);
    musicAnimationEnabled = new PrefValue("musicAnimationEnabled", true, true);

    load();

    Explosion::isActivated = explosionEnabled->boolValue;
    setLightEnabled(lightEnabled->boolValue);
    setSoundEffectsEnabled(soundEffectsEnabled->boolValue);
    setMusicEnabled(isMusicEnabled->boolValue);
    setLineWidth(lineWidth->intValue);
}

Preferences::~Preferences() {
    for (PrefValue* value : table)
        delete value;
    if (instance == this)
        instance = nullptr;
}

std::string Preferences::genHash(int value) {
    char buffer[128];
    snprintf(buffer, sizeof buffer, "tomba!%i", value);
    return Game::encode(buffer);
}

void Preferences::verifyHash() {
    if (genHash(shipModelSelected->intValue) != hash->stringValue)
        shipModelSelected->intValue = 0;
}

// Values that later code uses as indexes or sizes: one outside its range
// (an edited or damaged file) takes the option's default.
void Preferences::replaceOutOfRangeValues() {
    struct Range {
        PrefValue* option;
        int low, high;
    } ranges[] = {
        {shipModelSelected, 0, 8},
        {difficultySettings, 0, 2},
        {joysticksPosition, 0, 6},
        {customJoysticksSize, 1, 100000},
        {lastChosenLevelNumber, 0, 7},
        {lastChosenCampaignNumber, 0, 2},
        {campaignMenuOffset[0], -1000000, 1000000},
        {campaignMenuOffset[1], -1000000, 1000000},
        {campaignMenuOffset[2], -1000000, 1000000},
        {lineWidth, 1, 4},
        {nextReplayId, 1, INT_MAX},
    };
    for (const Range& range : ranges)
        if (range.option->intValue < range.low || range.option->intValue > range.high)
            range.option->intValue = range.option->intDefault;
}

void Preferences::load() {
    FILE* f = myFopenForDocument(fileName, "r");
    if (!f)
        return;
    fclose(f);
    // The file is data: it runs without any library, bounded in instructions and
    // memory, and only the globals it assigns are looked at.
    DocumentScriptState document;
    document.load(fileName, maxFileSize);
    lua_State* L = document.state();
    if (!L)
        return;
    int version = -1;
    readNumber(L, "prefVersion", &version, -1);
    if (version < fileVersion)
        return;
    for (PrefValue* value : table)
        value->load(L);
    setNickName(nickName->stringValue);
    verifyHash();
    replaceOutOfRangeValues();
}

bool Preferences::writeTo(FILE* f) {
    bool ok = true;
    for (PrefValue* value : table)
        ok = value->write(f) && ok;
    ok = fprintf(f, "prefVersion = %i\n", fileVersion) > 0 && ok;
    ok = fprintf(f, "hash = \"%s\"\n", genHash(shipModelSelected->intValue).c_str()) > 0 && ok;
    return ok;
}

bool Preferences::save() {
    return writeDocumentWhole(fileName, [this](FILE* f) { return writeTo(f); });
}

std::string Preferences::getNickName() { return nickName->stringValue; }

// Control bytes are dropped (a name is shown and sent to the score server),
// a name longer than the keyboard can make is cut, and an empty result takes
// the default name.
void Preferences::setNickName(std::string name) {
    std::string kept;
    for (unsigned char c : name)
        if (c >= 0x20 && c != 0x7F && kept.size() < longestNickName)
            kept += (char)c;
    nickName->stringValue = kept.empty() ? nickName->stringDefault : kept;
}

int Preferences::getLastChosenLevelNumber() { return lastChosenLevelNumber->intValue; }
void Preferences::setLastChosenLevelNumber(int level) { lastChosenLevelNumber->intValue = level; }
bool Preferences::getSwapJoysticks() { return reverseJoysticks->boolValue; }
void Preferences::setSwapJoysticks(bool swap) { reverseJoysticks->boolValue = swap; }
int Preferences::getJoysticksPosition() { return joysticksPosition->intValue; }
void Preferences::setJoysticksPosition(int position) { joysticksPosition->intValue = position; }
bool Preferences::get_rotateDuringReplays() { return rotateDuringReplays->boolValue; }
void Preferences::set_rotateDuringReplays(bool rotate) { rotateDuringReplays->boolValue = rotate; }
bool Preferences::get_hasDoneTutorial() { return hasDoneTutorial->boolValue; }
void Preferences::set_hasDoneTutorial(bool done) { hasDoneTutorial->boolValue = done; }
bool Preferences::get_isShowingLocalScores() { return isShowingLocalScores->boolValue; }
void Preferences::set_isShowingLocalScores(bool local) { isShowingLocalScores->boolValue = local; }
int Preferences::getShipModelSelected() { return shipModelSelected->intValue; }
void Preferences::setShipModelSelected(int model) { shipModelSelected->intValue = model; }
int Preferences::getNextReplayId() { return nextReplayId->intValue; }
void Preferences::setNextReplayId(int id) { nextReplayId->intValue = id; }
int Preferences::getDifficultySettings() { return difficultySettings->intValue; }
void Preferences::setDifficultySettings(int difficulty) { difficultySettings->intValue = difficulty; }

void Preferences::getJoysticksCustomPosition(Coord& left, Coord& right) {
    left = customLeftJoysticksPosition->coordValue;
    right = customRightJoysticksPosition->coordValue;
}

void Preferences::setJoysticksCustomPosition(Coord left, Coord right) {
    customLeftJoysticksPosition->coordValue = left;
    customRightJoysticksPosition->coordValue = right;
}

int Preferences::getCustomJoysticksSize() { return customJoysticksSize->intValue; }
void Preferences::setCustomJoysticksSize(int size) { customJoysticksSize->intValue = size; }
bool Preferences::getHideJoysticks() { return hideJoysticks->boolValue; }
void Preferences::setHideJoysticks(bool hide) { hideJoysticks->boolValue = hide; }
int Preferences::getJoystickStyle() { return joystickStyle->intValue; }
void Preferences::setJoystickStyle(int style) { joystickStyle->intValue = style; }
bool Preferences::getVibrationEnabled() { return vibrationEnabled->boolValue; }
void Preferences::setVibrationEnabled(bool enabled) { vibrationEnabled->boolValue = enabled; }
bool Preferences::get_skipPlayAgainMenu() { return skipPlayAgainMenu->boolValue; }
void Preferences::set_skipPlayAgainMenu(bool skip) { skipPlayAgainMenu->boolValue = skip; }
bool Preferences::get_glowEnabled() { return glowEnabled->boolValue; }
void Preferences::set_glowEnabled(bool enabled) { glowEnabled->boolValue = enabled; }
bool Preferences::get_replayIs2D() { return replayIs2D->boolValue; }
void Preferences::set_replayIs2D(bool flat) { replayIs2D->boolValue = flat; }
int Preferences::getLineWidth() { return lineWidth->intValue; }

void Preferences::setLineWidth(int width) {
    lineWidth->intValue = width;
    if (applyLineWidth)
        applyLineWidth((float)width);
}

int Preferences::getLastChosenCampaignNumber() { return lastChosenCampaignNumber->intValue; }
void Preferences::setLastChosenCampaignNumber(int campaign) { lastChosenCampaignNumber->intValue = campaign; }

int Preferences::getCampaignMenuOffset(int campaign) {
    return campaign >= 0 && campaign <= 2 ? campaignMenuOffset[campaign]->intValue : 0;
}

void Preferences::setCampaignMenuOffset(int campaign, int offset) {
    if (campaign >= 0 && campaign <= 2)
        campaignMenuOffset[campaign]->intValue = offset;
}

bool Preferences::getIsScreenReversed() { return isScreenReversed->boolValue; }
void Preferences::setIsScreenReversed(bool reversed) { isScreenReversed->boolValue = reversed; }
bool Preferences::getMusicEnabled() { return isMusicEnabled->boolValue; }

void Preferences::setMusicEnabled(bool enabled) {
    isMusicEnabled->boolValue = enabled;
    if (enabled)
        AudioPlayer::getInstance()->resumeSong();
    else
        AudioPlayer::getInstance()->pauseSong();
}

bool Preferences::getSoundEffectsEnabled() { return soundEffectsEnabled->boolValue; }

void Preferences::setSoundEffectsEnabled(bool enabled) {
    soundEffectsEnabled->boolValue = enabled;
    SoundManager::getInstance()->enabled = enabled;
}

bool Preferences::get_muteShootingSounds() { return muteShootingSounds->boolValue; }
void Preferences::set_muteShootingSounds(bool mute) { muteShootingSounds->boolValue = mute; }
bool Preferences::getLightEnabled() { return lightEnabled->boolValue; }

void Preferences::setLightEnabled(bool enabled) {
    lightEnabled->boolValue = enabled;
    if (applyTexturedExplosionsEnabled)
        applyTexturedExplosionsEnabled(Device::enableExplosionTextures ? enabled : false);
}

bool Preferences::getExplosionEffectEnabled() { return explosionEnabled->boolValue; }

void Preferences::setExplosionEffectEnabled(bool enabled) {
    explosionEnabled->boolValue = enabled;
    Explosion::isActivated = enabled;
}

int Preferences::getVolume() { return volume->intValue; }
void Preferences::setVolume(int v) { volume->intValue = v; }
bool Preferences::get_autoPauseEnabled() { return autoPauseEnabled->boolValue; }
void Preferences::set_autoPauseEnabled(bool enabled) { autoPauseEnabled->boolValue = enabled; }
bool Preferences::get_campaignAutoPauseEnabled() { return campaignAutoPauseEnabled->boolValue; }
void Preferences::set_campaignAutoPauseEnabled(bool enabled) { campaignAutoPauseEnabled->boolValue = enabled; }
bool Preferences::get_musicAnimationEnabled() { return musicAnimationEnabled->boolValue; }
void Preferences::set_musicAnimationEnabled(bool enabled) { musicAnimationEnabled->boolValue = enabled; }
