// Placeholder music player: silent.
#include "graphics/AudioPlayer.h"

AudioPlayer* AudioPlayer::getInstance() {
    static AudioPlayer* instance = new AudioPlayer();
    return instance;
}
void AudioPlayer::resumeSong() { paused = false; }
void AudioPlayer::pauseSong() { paused = true; }
int AudioPlayer::getAmplitudeOfMusic() { return 10; }
