// The music player: the soundtrack through the multimedia renderer, paused and
// resumed with the music setting, and the music amplitude that backgrounds
// pulse with.
#pragma once

struct mmr_connection_t;
struct mmr_context_t;

class AudioPlayer {
public:
    static AudioPlayer* getInstance();
    // Called before the first getInstance: the renderer and the track are not
    // opened by the constructor but by open, so that the game's first frame
    // does not wait for them.
    static void deferOpening();
    // Connects to the renderer and attaches the track, once; a song resumed
    // before then starts here. Later calls do nothing.
    void open();
    // Plays the track when paused; otherwise nothing.
    void resumeSong();
    // Stops the track when playing; otherwise nothing.
    void pauseSong();
    // The song position in milliseconds, from decimal text (0 for null).
    void setPosition(const char* text);
    // 0 to 524 from the amplitude table while the song position is known,
    // else a pulse of 10 to 210 that follows the frame counter.
    int getAmplitudeOfMusic();

    bool paused = true;
    bool opened = false;
    int position = 0;
    mmr_connection_t* connection = nullptr;
    mmr_context_t* context = nullptr;
    char workingDirectory[1024];
    char trackUrl[1024];
    int outputId = -1;

    // Loudness envelope of the soundtrack, 60 entries a second, 0 to 262
    // (generated with the track at build time).
    static constexpr int amplitudesArraySizes = 38733;
    static constexpr int songCoeff = 1;
    static const int amplitudes[amplitudesArraySizes];

private:
    AudioPlayer();
};
