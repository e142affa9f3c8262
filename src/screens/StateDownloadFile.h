// Fetches the world scores (kind 0) or one world replay (kind 1) from the
// score server, with a Cancel button; the document is replaced only by a
// complete answer, the world scores only by one that reads as a score list.
#pragma once

#include <string>

#include "core/State.h"
#include "widgets/DrawableString.h"

class Button;
class Download;

class StateDownloadFile : public State {
public:
    enum KIND { WEB_SCORES = 0, REPLAY = 1 };

    // Sends the request at once.
    StateDownloadFile(int kind, int replayNumber, std::string playerName);
    ~StateDownloadFile() override;
    StateDownloadFile(const StateDownloadFile&) = delete;
    StateDownloadFile& operator=(const StateDownloadFile&) = delete;

    void draw() override;
    StateTransition* updateState() override;

    const std::string& getUrl() const { return url; }
    const std::string& getFileName() const { return fileName; }
    Button* getCancelButton() { return cancel; }
    Download* getTransfer() { return transfer; }

private:
    StateTransition* leaveWithAnswer();

    int kind;
    int replayNumber;
    std::string playerName;
    std::string titleText;
    std::string url;
    std::string fileName;
    DrawableString title;
    Button* cancel;
    Download* transfer = nullptr;
    bool leaving = false;
};
