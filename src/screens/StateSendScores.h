// Uploads the best own score of every infinity level, in catalogue order,
// and a level's replay when the server answers YES; one transfer at a time,
// polled once per frame.
#pragma once

#include "core/State.h"
#include "widgets/DrawableString.h"

class Button;
class Download;

class StateSendScores : public State {
public:
    StateSendScores();
    ~StateSendScores() override;
    StateSendScores(const StateSendScores&) = delete;
    StateSendScores& operator=(const StateSendScores&) = delete;

    void draw() override;
    StateTransition* updateState() override;
    // The next upload started (a score, or the replay of the level just sent);
    // null when there is nothing more to send.
    Download* prepareDownload(bool sendReplay);
    static bool serverWantsReplay(unsigned char* data, int size);

    Button* getCancelButton() { return cancel; }
    Download* getTransfer() { return transfer; }
    std::string getStatusLine() const { return status.getString(); }

private:
    DrawableString title;
    DrawableString status;
    Button* cancel;
    Download* transfer = nullptr;
    bool leaving = false;
    bool started = false;
    bool done = false;
    // The transfer under way sends a level's replay.
    bool sendingReplay = false;
    int nextLevel = 0;
};
