// The music player: connects to the renderer once and starts or stops the track.
#include "graphics/AudioPlayer.h"

#include <unistd.h>

#include <climits>
#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "core/Game.h"
#include "platform/mmrenderer.h"

AudioPlayer* AudioPlayer::getInstance() {
    static AudioPlayer* instance = new AudioPlayer();
    return instance;
}

static bool openingDeferred = false;

void AudioPlayer::deferOpening() { openingDeferred = true; }

AudioPlayer::AudioPlayer() {
    if (!getcwd(workingDirectory, sizeof workingDirectory))
        workingDirectory[0] = '\0';
    // A directory too long for the URL truncates it: the track is then not found.
    if (snprintf(trackUrl, sizeof trackUrl, "file://%s%s", workingDirectory, "/app/native/zorbix2ost.mp3") < 0)
        trackUrl[0] = '\0';
    if (!openingDeferred)
        open();
}

void AudioPlayer::open() {
    if (opened)
        return;
    opened = true;
    // A missing track or renderer is not checked: the game then runs without music.
    connection = mmr_connect(nullptr);
    context = mmr_context_create(connection, "zorbixplayer", 0, 0500);
    outputId = mmr_output_attach(context, "audio:default", "audio");
    mmr_input_attach(context, trackUrl, "track");
    mmrenderer_request_events("zorbixplayer", 0, 0);
    if (!paused)
        mmr_play(context);
}

void AudioPlayer::resumeSong() {
    if (!paused)
        return;
    paused = false;
    if (opened)
        mmr_play(context);
}

void AudioPlayer::pauseSong() {
    if (paused)
        return;
    paused = true;
    if (opened)
        mmr_stop(context);
}

void AudioPlayer::setPosition(const char* text) {
    if (!text) {
        position = 0;
        return;
    }
    // Out-of-range text saturates instead of overflowing.
    long value = strtol(text, nullptr, 10);
    position = (int)(value > INT_MAX ? INT_MAX : value < INT_MIN ? INT_MIN : value);
}

int AudioPlayer::getAmplitudeOfMusic() {
    if (position >= 1) {
        long long i = (long long)position * 6 / 100;
        if (i < amplitudesArraySizes)
            return amplitudes[i] * 2;
    }
    return std::abs((int)(std::cos(Game::frame / 10.0) * 200.0)) + 10;
}
