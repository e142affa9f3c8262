// The music player: the soundtrack, paused and resumed with the music setting.
#pragma once

class AudioPlayer {
public:
    static AudioPlayer* getInstance();
    void resumeSong();
    void pauseSong();
    int getAmplitudeOfMusic();

    bool paused = true;
};
