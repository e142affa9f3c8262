// The score server client: score uploads and plain downloads.
#pragma once

#include <string>

class Download;
class Score;

class WebInterface {
public:
    static const int serverPort = 80;
    static const char* const defaultServerHost;

    // Uploads one score of a level, with its local replay when sendReplay is
    // set and the replay reads whole (within maxFileBytes). The caller owns, polls and deletes the
    // transfer.
    static Download* postScore(Score* score, std::string mapName, bool sendReplay);
    static Download* downloadURL(std::string url, int port);

    // The check value the server tests an upload against.
    static std::string uploadCheckValue(const Score& score, const std::string& mapName);

    // The host named by a ZORBIX_SCORE_SERVER value: a host name or a dotted
    // IPv4 address; anything else (or no value) gives the default, with a
    // message for a refused value.
    static std::string hostFromEnvironment(const char* value);

    // The score server, read once at start from ZORBIX_SCORE_SERVER.
    static std::string serverHost;
};
