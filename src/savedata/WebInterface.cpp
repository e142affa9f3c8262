// Score uploads and downloads on the score server (port 80, plain HTTP).
#include "savedata/WebInterface.h"

#include <arpa/inet.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "core/Device.h"
#include "core/Game.h"
#include "core/myfopen.h"
#include "levelplay/Replay.h"
#include "platform/readFileBytes.h"
#include "savedata/Download.h"
#include "savedata/HTTPBodyMaker.h"
#include "savedata/Scores.h"

// A name under the reserved ".invalid" domain never resolves, so no score
// reaches a stranger until a server is configured.
const char* const WebInterface::defaultServerHost = "scores.zorbix2.invalid";
std::string WebInterface::serverHost = WebInterface::hostFromEnvironment(getenv("ZORBIX_SCORE_SERVER"));

static bool isHostName(const std::string& text) {
    if (text.empty() || text.size() > 253)
        return false;
    size_t labelStart = 0;
    for (size_t i = 0; i <= text.size(); i++) {
        if (i == text.size() || text[i] == '.') {
            size_t length = i - labelStart;
            if (length == 0 || length > 63 || text[labelStart] == '-' || text[i - 1] == '-')
                return false;
            labelStart = i + 1;
            continue;
        }
        char c = text[i];
        bool ok = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '-';
        if (!ok)
            return false;
    }
    return true;
}

std::string WebInterface::hostFromEnvironment(const char* value) {
    if (!value)
        return defaultServerHost;
    std::string host = value;
    in_addr address;
    if (inet_pton(AF_INET, value, &address) == 1 || isHostName(host))
        return host;
    fprintf(stderr, "ZORBIX_SCORE_SERVER: not a host name or IPv4 address, using %s\n", defaultServerHost);
    return defaultServerHost;
}

std::string WebInterface::uploadCheckValue(const Score& score, const std::string& mapName) {
    char text[5000];
    snprintf(text, sizeof text, "quavex%s%i%i%s%s", score.name.c_str(), score.score, score.time, mapName.c_str(),
             Device::getClass().c_str());
    return Game::encode(text);
}

// The local replay of that number, when it reads whole; false otherwise.
static bool readReplay(int replay, std::string* bytes) {
    int openError = 0;
    return readDocumentBytes(Replay::getPath(replay, false), maxFileBytes, bytes, &openError);
}

Download* WebInterface::postScore(Score* score, std::string mapName, bool sendReplay) {
    HTTPBodyMaker body;
    body.addField("nickName", score->name);
    body.addField("score", score->score);
    body.addField("time", score->time);
    body.addField("hwID", Device::getUniqueID());
    body.addField("hwClass", Device::getClass());
    body.addField("hwModel", Device::getRawName());
    body.addField("mapName", mapName);
    body.addField("hash", uploadCheckValue(*score, mapName));
    std::string replay;
    if (sendReplay && readReplay(score->replay, &replay))
        body.addFile("replay", (const unsigned char*)replay.data(), (int)replay.size());
    return new Download("http://" + serverHost + "/UploadScore_4", &body, serverPort);
}

Download* WebInterface::downloadURL(std::string url, int port) { return new Download(url, port); }
