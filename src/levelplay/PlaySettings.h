// The player's settings that a game reads while it runs (the play screen and
// its replays). The hooks hold the game's defaults from the start, so that a
// program without the preferences plays with them; the start-up points them
// at the preferences (Preferences::connectHooks).
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
