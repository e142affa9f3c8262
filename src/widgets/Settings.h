// The codes of the settings rows; the settings list reports the code of the
// row that was pressed (0: none).
#pragma once

class Settings {
public:
    enum TYPES {
        NONE = 0,
        SCREEN_ORIENTATION = 1,
        REPLAY_CAMERA = 5,
        SOUND_EFFECTS = 6,
        MUSIC = 7,
        EXPLOSION_LIGHTS = 8,
        LINE_WIDTH = 9,
        VIBRATIONS = 10,
        PLAY_AGAIN_SCREEN = 14,
        GLOW = 15,
        SHOOTING_SOUND = 16,
        AUTO_PAUSE = 17,
        JOYSTICKS_POSITION = 18,
        CAMPAIGN_AUTO_PAUSE = 19,
    };
};
