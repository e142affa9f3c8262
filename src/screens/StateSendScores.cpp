// The score upload screen: one level after another, the replay on request.
#include "screens/StateSendScores.h"

#include <GLES/gl.h>

#include "core/Device.h"
#include "core/StateTransition.h"
#include "levelplay/LevelInformation.h"
#include "levelplay/LevelList.h"
#include "savedata/Download.h"
#include "savedata/Scores.h"
#include "savedata/WebInterface.h"
#include "screens/StateChooseLevel.h"
#include "screens/StateFailedToConnectToServer.h"
#include "widgets/Button.h"

StateSendScores::StateSendScores() {
    float W = (float)Device::screenWidth, H = (float)Device::screenHeight;
    title.setString("Sending Scores...");
    title.setZoom(0.002f * W);
    title.centerY(0.9f * W);
    cancel = new Button("Cancel", Coord(0.12f * W, 0.5f * H, 0), Button::DECORATION_NONE);
    cancel->setWidthAndHeight(Coord(0.2f * W, 0.4f * H, 0));
}

StateSendScores::~StateSendScores() {
    delete transfer;
    delete cancel;
}

bool StateSendScores::serverWantsReplay(unsigned char* data, int size) {
    return data && size >= 3 && data[0] == 'Y' && data[1] == 'E' && data[2] == 'S';
}

Download* StateSendScores::prepareDownload(bool sendReplay) {
    LevelList* list = LevelList::getInstance();
    float W = (float)Device::screenWidth;
    if (!sendReplay) {
        for (; nextLevel < list->getNumberOfLevels(); nextLevel++) {
            const LevelInformation* info = list->getLevelInformation(nextLevel);
            ScoresForALevel* scores = info ? Scores::getInstance()->getLocalScoresForLevel(info->path) : nullptr;
            if (!scores || scores->scores.empty())
                continue;
            nextLevel++;
            status.setString("sending scores for \"" + info->name + "\"");
            status.setZoom(0.002f * W);
            status.centerY(0.7f * W);
            return WebInterface::postScore(scores->scores[0], info->path, false);
        }
        return nullptr;
    }
    const LevelInformation* info = list->getLevelInformation(nextLevel - 1);
    ScoresForALevel* scores = info ? Scores::getInstance()->getLocalScoresForLevel(info->path) : nullptr;
    if (!scores || scores->scores.empty())
        return nullptr;
    status.setString("sending replay for \"" + info->name + "\"");
    status.setZoom(0.002f * W);
    status.centerY(0.7f * W);
    return WebInterface::postScore(scores->scores[0], info->path, true);
}

StateTransition* StateSendScores::updateState() {
    if (!started) {
        transfer = prepareDownload(false);
        started = true;
        if (!transfer)
            done = true;
    }
    if (active) {
        if (done && !leaving) {
            leaving = true;
            return StateChooseLevel::backToLastChosen(StateTransition::TRANSITION_2);
        }
        if (transfer && !leaving && transfer->getTransferIsFinished()) {
            if (!transfer->getSuccess()) {
                delete transfer;
                transfer = nullptr;
                leaving = true;
                return new StateTransition(new StateFailedToConnectToServer(StateTransition::TRANSITION_2),
                                           StateTransition::TRANSITION_1);
            }
            // A level's replay goes once: after it, the walk moves on whatever
            // the server answers.
            bool wantsReplay = !sendingReplay && serverWantsReplay(transfer->getData(), transfer->getFileSize());
            delete transfer;
            sendingReplay = wantsReplay;
            transfer = prepareDownload(wantsReplay);
            if (!transfer) {
                leaving = true;
                return StateChooseLevel::backToLastChosen(StateTransition::TRANSITION_2);
            }
        }
    }
    if (cancel->update() && active && !leaving) {
        if (transfer) {
            transfer->cancel();
            delete transfer;
            transfer = nullptr;
        }
        leaving = true;
        return StateChooseLevel::backToLastChosen(StateTransition::TRANSITION_2);
    }
    return nullptr;
}

void StateSendScores::draw() {
    glColor4f(1, 1, 1, 1);
    title.draw();
    cancel->draw();
    status.draw();
}
