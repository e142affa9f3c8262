// The notice drawn over a quick-paused game: "Resume playing to unpause".
#pragma once

class InGamePauseAlert {
public:
    static void draw();
    // Phase of the text's colour shift, advanced by every draw.
    static float time;
};
