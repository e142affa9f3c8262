// The settings a game reads, the game's defaults until the preferences are
// connected: the values a fresh "prefs.txt" holds.
#include "levelplay/PlaySettings.h"

namespace {

int defaultShipModel() { return 0; }
bool defaultAutoPause() { return true; }
bool defaultCampaignAutoPause() { return false; }
int defaultJoysticksPosition() { return 3; }
bool defaultSkipPlayAgainMenu() { return false; }
bool defaultReplayIs2D() { return false; }
bool defaultRotateDuringReplays() { return false; }

// Without the preferences the replay ids are kept in memory only.
int nextIdInMemory = 1;
int defaultNextReplayId() { return nextIdInMemory; }
void defaultSetNextReplayId(int id) { nextIdInMemory = id; }

}  // namespace

int (*PlaySettings::shipModel)() = defaultShipModel;
bool (*PlaySettings::autoPause)() = defaultAutoPause;
bool (*PlaySettings::campaignAutoPause)() = defaultCampaignAutoPause;
int (*PlaySettings::joysticksPosition)() = defaultJoysticksPosition;
bool (*PlaySettings::skipPlayAgainMenu)() = defaultSkipPlayAgainMenu;
bool (*PlaySettings::replayIs2D)() = defaultReplayIs2D;
bool (*PlaySettings::rotateDuringReplays)() = defaultRotateDuringReplays;
int (*PlaySettings::nextReplayId)() = defaultNextReplayId;
void (*PlaySettings::setNextReplayId)(int id) = defaultSetNextReplayId;
