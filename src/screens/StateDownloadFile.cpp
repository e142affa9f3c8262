// The download screen: the transfer, the document written whole, the exits.
#include "screens/StateDownloadFile.h"

#include <GLES/gl.h>

#include <cstdio>

#include "core/Device.h"
#include "core/StateTransition.h"
#include "core/myfopen.h"
#include "levelplay/Replay.h"
#include "levelplay/StatePlay.h"
#include "savedata/Download.h"
#include "savedata/Scores.h"
#include "savedata/WebInterface.h"
#include "screens/StateChooseLevel.h"
#include "screens/StateFailedToConnectToServer.h"
#include "screens/StateReplayDoesNotExist.h"
#include "widgets/Button.h"

StateDownloadFile::StateDownloadFile(int kind_, int replayNumber_, std::string playerName_)
    : kind(kind_), replayNumber(replayNumber_), playerName(playerName_) {
    float W = (float)Device::screenWidth, H = (float)Device::screenHeight;
    char buffer[5000];
    if (kind == WEB_SCORES) {
        titleText = "Downloading high-scores";
        snprintf(buffer, sizeof buffer, "/GetScores_4?hwClass=%s", Device::getClass().c_str());
        fileName = "web_scores.txt";
    } else {
        titleText = "Downloading replay";
        snprintf(buffer, sizeof buffer, "/GetReplay_4?ID=%i", replayNumber);
        fileName = Replay::getPath(replayNumber, true);
    }
    url = "http://" + WebInterface::serverHost + buffer;
    title.setString(titleText);
    title.setZoom(0.002f * W);
    title.centerY(0.8f * W);
    cancel = new Button("Cancel", Coord(0.4f * W, (float)(Device::screenHeight / 2), 0), Button::DECORATION_NONE);
    cancel->setWidthAndHeight(Coord(0.2f * W, 0.3f * H, 0));
    transfer = WebInterface::downloadURL(url, WebInterface::serverPort);
}

StateDownloadFile::~StateDownloadFile() {
    delete transfer;
    delete cancel;
}

// A complete answer: the world scores are kept only when the body reads as a
// world score list, then written whole (a failed write keeps the old
// document); a replay is stored, then kept only when it can be played.
StateTransition* StateDownloadFile::leaveWithAnswer() {
    unsigned char* data = transfer->getData();
    int size = transfer->getFileSize();
    std::string body = size > 0 ? std::string((const char*)data, (size_t)size) : std::string();
    delete transfer;
    transfer = nullptr;
    leaving = true;
    if (kind == WEB_SCORES) {
        if (Scores::getInstance()->replaceWebScores(body) == Scores::WEB_SCORES_REFUSED)
            return new StateTransition(new StateFailedToConnectToServer(StateTransition::TRANSITION_2),
                                       StateTransition::TRANSITION_1);
        return StateChooseLevel::backToLastChosen(StateTransition::TRANSITION_2);
    }
    writeDocumentBytes(fileName, body);
    if (Replay::isReplayNotAvailableAnymore(fileName)) {
        myRemoveForDocument(fileName);
        return new StateTransition(new StateReplayDoesNotExist(), StateTransition::TRANSITION_2);
    }
    // Only a replay that can be played back starts the playback; a damaged
    // or unplayable one goes, and the failure is reported.
    if (Replay::isPlayable(fileName))
        return new StateTransition(new StatePlay(replayNumber, true, playerName), StateTransition::TRANSITION_2);
    myRemoveForDocument(fileName);
    return new StateTransition(new StateFailedToConnectToServer(StateTransition::TRANSITION_2),
                               StateTransition::TRANSITION_1);
}

StateTransition* StateDownloadFile::updateState() {
    if (active && transfer && !leaving && transfer->getTransferIsFinished()) {
        if (!transfer->getSuccess()) {
            delete transfer;
            transfer = nullptr;
            leaving = true;
            return new StateTransition(new StateFailedToConnectToServer(StateTransition::TRANSITION_2),
                                       StateTransition::TRANSITION_1);
        }
        return leaveWithAnswer();
    }
    if (cancel->update() && active && !leaving && transfer) {
        transfer->cancel();
        delete transfer;
        transfer = nullptr;
        leaving = true;
        return StateChooseLevel::backToLastChosen(StateTransition::TRANSITION_2);
    }
    return nullptr;
}

void StateDownloadFile::draw() {
    glColor4f(1, 1, 1, 1);
    title.draw();
    cancel->draw();
}
