// The settings a game reads, unset until the preferences connect them.
#include "levelplay/PlaySettings.h"

int (*PlaySettings::shipModel)() = nullptr;
bool (*PlaySettings::autoPause)() = nullptr;
bool (*PlaySettings::campaignAutoPause)() = nullptr;
int (*PlaySettings::joysticksPosition)() = nullptr;
bool (*PlaySettings::skipPlayAgainMenu)() = nullptr;
bool (*PlaySettings::replayIs2D)() = nullptr;
bool (*PlaySettings::rotateDuringReplays)() = nullptr;
int (*PlaySettings::nextReplayId)() = nullptr;
void (*PlaySettings::setNextReplayId)(int id) = nullptr;
