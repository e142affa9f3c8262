// The settings screen: rows by device flags, their effects and the saving.
#include "screens/StateSettings.h"

#include <initializer_list>
#include <string>
#include <utility>

#include "core/Device.h"
#include "core/Game.h"
#include "core/StateTransition.h"
#include "savedata/Preferences.h"
#include "screens/StateConfigureJoysticks.h"
#include "screens/StateFirstMenu.h"
#include "widgets/BackButton.h"
#include "widgets/MultipleValuesButton.h"
#include "widgets/SettingsMenu.h"

namespace {

const Color JOYSTICK_ROW(1.0f, 0.7f, 0.7f);
const Color REPLAY_ROW(0.7f, 1.0f, 1.0f);
const Color SOUND_ROW(1.0f, 1.0f, 0.6f);
const Color DISPLAY_ROW(0.6f, 1.0f, 0.6f);

void addRow(SettingsMenu* menu, Settings::TYPES type, Color colour,
            std::initializer_list<std::pair<const char*, int>> values, int shown) {
    MultipleValuesButton* b = new MultipleValuesButton(colour, Coord(), Coord(), Button::DECORATION_CUT);
    for (auto& v : values)
        b->addValue(v.first, v.second);
    b->setActiveValue(shown);
    menu->addButton(b, type);
}

// The row's effect for its new value v.
void apply(Settings::TYPES type, int v) {
    Preferences* p = Preferences::getInstance();
    switch (type) {
    case Settings::REPLAY_CAMERA:
        if (v == 0) {
            p->set_replayIs2D(true);
        } else {
            p->set_replayIs2D(false);
            p->set_rotateDuringReplays(v == 1);
        }
        break;
    case Settings::SCREEN_ORIENTATION:
        p->setIsScreenReversed(v == 1);
        Game::getInstance()->setOrientation(v == 1);
        break;
    case Settings::PLAY_AGAIN_SCREEN: p->set_skipPlayAgainMenu(v == 0); break;
    case Settings::AUTO_PAUSE: p->set_autoPauseEnabled(v == 1); break;
    case Settings::CAMPAIGN_AUTO_PAUSE: p->set_campaignAutoPauseEnabled(v == 1); break;
    case Settings::SOUND_EFFECTS: p->setSoundEffectsEnabled(v == 0); break;
    case Settings::SHOOTING_SOUND: p->set_muteShootingSounds(v == 0); break;
    case Settings::MUSIC: p->setMusicEnabled(v == 0); break;
    case Settings::LINE_WIDTH: p->setLineWidth(v + 1); break;
    case Settings::EXPLOSION_LIGHTS: p->setLightEnabled(v == 0); break;
    case Settings::GLOW: p->set_glowEnabled(v == 0); break;
    case Settings::VIBRATIONS: p->setVibrationEnabled(v == 0); break;
    default: break;
    }
}

}  // namespace

StateSettings::StateSettings() {
    Preferences* p = Preferences::getInstance();
    menu = new SettingsMenu();
    if (Device::allowChoosingThePositionOfTheJoystics)
        addRow(menu, Settings::JOYSTICKS_POSITION, JOYSTICK_ROW, {{"^rCustomize joysticks position", 0}}, 0);
    addRow(menu, Settings::REPLAY_CAMERA, REPLAY_ROW,
           {{"Replay camera: top view", 0}, {"Replay camera: rotating 3D", 1}, {"Replay camera: free view", 2}},
           p->get_replayIs2D()            ? 0
           : p->get_rotateDuringReplays() ? 1
                                          : 2);
    if (!Device::autoAdaptsOrientation)
        addRow(menu, Settings::SCREEN_ORIENTATION, REPLAY_ROW,
               {{"Normal screen orientation", 0}, {"Reversed screen orientation", 1}},
               p->getIsScreenReversed() ? 1 : 0);
    addRow(menu, Settings::PLAY_AGAIN_SCREEN, REPLAY_ROW,
           {{"\"Play Again\" screen on", 1}, {"\"Play Again\" screen off", 0}}, p->get_skipPlayAgainMenu() ? 0 : 1);
    addRow(menu, Settings::AUTO_PAUSE, REPLAY_ROW, {{"Auto-pause on", 1}, {"Auto-pause off", 0}},
           p->get_autoPauseEnabled() ? 1 : 0);
    addRow(menu, Settings::CAMPAIGN_AUTO_PAUSE, REPLAY_ROW,
           {{"Campaign auto-pause on", 1}, {"Campaign auto-pause off", 0}}, p->get_campaignAutoPauseEnabled() ? 1 : 0);
    if (Device::canPlaySoundEffects) {
        addRow(menu, Settings::SOUND_EFFECTS, SOUND_ROW, {{"Sound effects on", 0}, {"Sound effects off", 1}},
               p->getSoundEffectsEnabled() ? 0 : 1);
        addRow(menu, Settings::SHOOTING_SOUND, SOUND_ROW, {{"Shooting sound on", 1}, {"Shooting sound off", 0}},
               p->get_muteShootingSounds() ? 0 : 1);
    }
    if (Device::canPlayMusic)
        addRow(menu, Settings::MUSIC, SOUND_ROW, {{"Music on", 0}, {"Music off", 1}}, p->getMusicEnabled() ? 0 : 1);
    addRow(menu, Settings::LINE_WIDTH, DISPLAY_ROW,
           {{"Line width: 1 px", 0}, {"Line width: 2 px", 1}, {"Line width: 3 px", 2}, {"Line width: 4 px", 3}},
           p->getLineWidth() - 1);
    if (Device::enableExplosionTextures)
        addRow(menu, Settings::EXPLOSION_LIGHTS, DISPLAY_ROW, {{"Explosion lights on", 0}, {"Explosion lights off", 1}},
               p->getLightEnabled() ? 0 : 1);
    if (Device::enableGlow)
        addRow(menu, Settings::GLOW, DISPLAY_ROW, {{"Glow on", 0}, {"Glow off", 1}}, p->get_glowEnabled() ? 0 : 1);
    if (Device::canVibrate)
        addRow(menu, Settings::VIBRATIONS, DISPLAY_ROW, {{"Vibrations on", 0}, {"Vibrations off", 1}},
               p->getVibrationEnabled() ? 0 : 1);
    back = new BackButton(BackButton::BACK_BUTTON_LEFT);
    backButton = back;
    navigation.addNode(back);
}

StateSettings::~StateSettings() {
    delete menu;
    delete back;
}

void StateSettings::draw() {
    menu->draw();
    back->draw();
}

StateTransition* StateSettings::updateState() {
    navigation.update(State::keyJustGotPressedBitArray);
    Settings::TYPES type = Settings::NONE;
    int value = -1;
    menu->update(&type, &value);
    if (type == Settings::JOYSTICKS_POSITION)
        return new StateTransition(new StateConfigureJoysticks(), StateTransition::TRANSITION_4);
    if (type != Settings::NONE) {
        apply(type, value);
        Preferences::getInstance()->save();
    }
    if (back->update())
        return new StateTransition(new StateFirstMenu(), StateTransition::TRANSITION_3);
    return nullptr;
}
