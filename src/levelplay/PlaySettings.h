// The player's settings that a game reads while it runs (the play screen and
// its replays): the preferences, above levelplay, connect them as soon as they
// are part of the program.
#pragma once

struct PlaySettings {
    static int (*shipModel)();
    static bool (*autoPause)();
    static bool (*campaignAutoPause)();
    static int (*joysticksPosition)();
    static bool (*skipPlayAgainMenu)();
    static bool (*replayIs2D)();
    static bool (*rotateDuringReplays)();
    // The id the next saved replay takes, and storing (and saving) the one after it.
    static int (*nextReplayId)();
    static void (*setNextReplayId)(int id);
};
