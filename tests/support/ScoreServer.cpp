// The loopback score server of the online and transfer tests.
#include "support/ScoreServer.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

#include "core/Game.h"
#include "levelplay/LevelList.h"

ScoreServer::ScoreServer(const char* address, int port, int maxConnections_, int maxSeconds_)
    : maxConnections(maxConnections_), maxSeconds(maxSeconds_) {
    deadline = std::chrono::steady_clock::now() + std::chrono::seconds(maxSeconds);
    int s = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    int one = 1;
    setsockopt(s, SOL_SOCKET, SO_REUSEADDR, &one, sizeof one);
    sockaddr_in a;
    memset(&a, 0, sizeof a);
    a.sin_family = AF_INET;
    a.sin_port = htons((unsigned short)port);
    inet_pton(AF_INET, address, &a.sin_addr);
    if (s < 0 || bind(s, (sockaddr*)&a, sizeof a) != 0 || listen(s, 8) != 0) {
        error = std::string("cannot listen on ") + address + ":" + std::to_string(port) + ": " + strerror(errno);
        if (s >= 0)
            close(s);
        return;
    }
    socklen_t length = sizeof a;
    getsockname(s, (sockaddr*)&a, &length);
    boundPort = ntohs(a.sin_port);
    listenSocket = s;
    thread = std::thread(&ScoreServer::run, this);
}

ScoreServer::~ScoreServer() {
    stop = true;
    if (thread.joinable())
        thread.join();
    if (listenSocket >= 0)
        close(listenSocket);
}

void ScoreServer::setScript(const Script& s) {
    std::lock_guard<std::mutex> lock(mutex);
    script = s;
    emulating = false;
}

ScoreServer::Script ScoreServer::answer(const std::string& body, const std::string& status) {
    Script s;
    s.segments.push_back({"HTTP/1.1 " + status + "\r\nContent-Length: " + std::to_string(body.size()) +
                              "\r\nConnection: close\r\n\r\n" + body,
                          0});
    return s;
}

void ScoreServer::emulate() {
    std::lock_guard<std::mutex> lock(mutex);
    emulating = true;
}

std::vector<std::string> ScoreServer::requests() {
    std::lock_guard<std::mutex> lock(mutex);
    return recorded;
}

std::vector<ScoreServer::Upload> ScoreServer::uploads() {
    std::lock_guard<std::mutex> lock(mutex);
    return stored;
}

void ScoreServer::storeReplay(int id, const std::string& bytes) {
    std::lock_guard<std::mutex> lock(mutex);
    replays[id] = bytes;
}

bool ScoreServer::stopping() { return stop || std::chrono::steady_clock::now() > deadline; }

void ScoreServer::run() {
    for (int served = 0; served < maxConnections && !stopping();) {
        pollfd p = {listenSocket, POLLIN, 0};
        if (poll(&p, 1, 20) <= 0)
            continue;
        int sock = accept4(listenSocket, nullptr, nullptr, SOCK_CLOEXEC);
        if (sock < 0)
            continue;
        served++;
        serve(sock);
    }
}

// Waits up to 20 ms for data; false when the server stops or the time runs out.
static bool readable(int sock) {
    pollfd p = {sock, POLLIN, 0};
    return poll(&p, 1, 20) > 0;
}

static size_t contentLength(const std::string& head) {
    std::string lower = head;
    std::transform(lower.begin(), lower.end(), lower.begin(), ::tolower);
    size_t at = lower.find("\r\ncontent-length:");
    return at == std::string::npos ? 0 : (size_t)strtoul(head.c_str() + at + 17, nullptr, 10);
}

bool ScoreServer::readRequest(int sock, std::string* request, bool headOnly) {
    size_t headEnd = std::string::npos;
    char block[4096];
    while (!stopping()) {
        if (headEnd == std::string::npos) {
            headEnd = request->find("\r\n\r\n");
            if (headEnd != std::string::npos && headOnly)
                return true;
        }
        if (headEnd != std::string::npos && request->size() >= headEnd + 4 + contentLength(*request))
            return true;
        if (!readable(sock))
            continue;
        ssize_t n = recv(sock, block, sizeof block, 0);
        if (n <= 0)
            return false;
        request->append(block, (size_t)n);
    }
    return false;
}

void ScoreServer::waitForClose(int sock) {
    char block[4096];
    while (!stopping()) {
        if (!readable(sock))
            continue;
        ssize_t n = recv(sock, block, sizeof block, 0);
        if (n == 0) {
            eofs++;
            return;
        }
        if (n < 0)
            return;
    }
}

static void sendAll(int sock, const std::string& bytes) {
    size_t sent = 0;
    while (sent < bytes.size()) {
        ssize_t n = send(sock, bytes.data() + sent, bytes.size() - sent, MSG_NOSIGNAL);
        if (n <= 0)
            return;
        sent += (size_t)n;
    }
}

void ScoreServer::serve(int sock) {
    Script s;
    bool emulate_;
    {
        std::lock_guard<std::mutex> lock(mutex);
        s = script;
        emulate_ = emulating;
    }
    std::string request;
    readRequest(sock, &request, !emulate_ && s.answerBeforeBody);
    {
        std::lock_guard<std::mutex> lock(mutex);
        recorded.push_back(request);
    }
    if (emulate_)
        s = answer(emulatedAnswer(request));
    for (const Segment& segment : s.segments) {
        if (segment.pauseMs > 0)
            std::this_thread::sleep_for(std::chrono::milliseconds(segment.pauseMs));
        sendAll(sock, segment.bytes);
    }
    if (s.end == RESET) {
        linger l = {1, 0};
        setsockopt(sock, SOL_SOCKET, SO_LINGER, &l, sizeof l);
    } else if (s.end == KEEP_OPEN || s.end == SILENCE) {
        waitForClose(sock);
    }
    close(sock);
}

bool ScoreServer::parseUpload(const std::string& body, const std::string& boundary, Upload* out) {
    const std::string delimiter = "\r\n--" + boundary;
    const std::string closing = delimiter + "--\r\n";
    size_t at = body.find(delimiter);
    if (at != 0)
        return false;
    while (at != std::string::npos && at < body.size()) {
        size_t lineStart = at + delimiter.size() + 2;
        size_t lineEnd = body.find("\r\n", lineStart);
        if (lineEnd == std::string::npos)
            return false;
        std::string header = body.substr(lineStart, lineEnd - lineStart);
        size_t nameAt = header.find("name=\"");
        if (nameAt == std::string::npos)
            return false;
        std::string name = header.substr(nameAt + 6, header.find('"', nameAt + 6) - nameAt - 6);
        if (header.find("filename=") != std::string::npos) {
            size_t dataStart = body.find("\r\n\r\n", lineEnd);
            size_t dataEnd = body.size() - closing.size();
            if (dataStart == std::string::npos || body.size() < closing.size() ||
                body.compare(dataEnd, closing.size(), closing) != 0 || dataStart + 4 > dataEnd)
                return false;
            out->hasReplay = true;
            out->replay = body.substr(dataStart + 4, dataEnd - dataStart - 4);
            return true;
        }
        size_t next = body.find(delimiter, lineEnd + 2);
        size_t valueEnd = next == std::string::npos ? body.size() : next;
        out->fields[name] = body.substr(lineEnd + 2, valueEnd - lineEnd - 2);
        at = next;
    }
    return true;
}

// The world score file: every infinity level, its uploads best first.
static std::string worldScores(const std::vector<ScoreServer::Upload>& uploads, const std::map<std::string, int>& ids) {
    std::string out = "zorbix2\nv2\n";
    for (int i = 0; i < LevelList::getInstance()->getNumberOfLevels(); i++) {
        std::string level = LevelList::getInstance()->getLevelInformation(i)->path;
        std::vector<const ScoreServer::Upload*> list;
        std::vector<std::string> seen;
        for (const ScoreServer::Upload& u : uploads) {
            const auto& f = u.fields;
            std::string key = f.at("nickName") + "|" + f.at("score") + "|" + f.at("time");
            if (f.at("mapName") == level && std::find(seen.begin(), seen.end(), key) == seen.end()) {
                seen.push_back(key);
                list.push_back(&u);
            }
        }
        std::stable_sort(list.begin(), list.end(), [](const ScoreServer::Upload* a, const ScoreServer::Upload* b) {
            return atoi(a->fields.at("score").c_str()) > atoi(b->fields.at("score").c_str());
        });
        out += level + "\n" + std::to_string(list.size()) + "\n";
        for (const ScoreServer::Upload* u : list) {
            const auto& f = u->fields;
            std::string key = f.at("nickName") + "|" + f.at("score") + "|" + f.at("time") + "|" + level;
            auto id = ids.find(key);
            out += f.at("nickName") + "\n" + f.at("score") + "\n" + std::to_string(id == ids.end() ? 0 : id->second) +
                   "\n2\n";
        }
    }
    return out;
}

std::string ScoreServer::emulatedAnswer(const std::string& request) {
    size_t headEnd = request.find("\r\n\r\n");
    std::string head = request.substr(0, headEnd);
    std::string body = headEnd == std::string::npos ? "" : request.substr(headEnd + 4);
    std::lock_guard<std::mutex> lock(mutex);
    if (head.compare(0, 20, "GET /GetScores_4?hwC") == 0)
        return worldScores(stored, replayIds);
    if (head.compare(0, 20, "GET /GetReplay_4?ID=") == 0) {
        auto found = replays.find(atoi(head.c_str() + 20));
        return found == replays.end() ? "not available\n" : found->second;
    }
    if (head.compare(0, 20, "POST /UploadScore_4 ") != 0)
        return "unknown request";
    size_t b = head.find("boundary=");
    std::string boundary = b == std::string::npos ? "" : head.substr(b + 9, head.find("\r\n", b) - b - 9);
    Upload upload;
    static const char* const names[] = {"nickName", "score", "time", "hwID", "hwClass", "hwModel", "mapName", "hash"};
    bool ok = parseUpload(body, boundary, &upload);
    for (const char* name : names)
        ok = ok && upload.fields.count(name) == 1;
    if (!ok) {
        refused++;
        return "malformed upload";
    }
    auto& f = upload.fields;
    std::string expected =
        Game::encode("quavex" + f["nickName"] + f["score"] + f["time"] + f["mapName"] + f["hwClass"]);
    if (expected != f["hash"]) {
        refused++;
        return "wrong hash";
    }
    std::string key = f["nickName"] + "|" + f["score"] + "|" + f["time"] + "|" + f["mapName"];
    if (replayIds.count(key) == 0) {
        int id = (int)replayIds.size() + 1;
        replayIds[key] = id;
    }
    int id = replayIds[key];
    stored.push_back(upload);
    if (upload.hasReplay)
        replays[id] = upload.replay;
    // While a score's replay is missing the server asks for it.
    return replays.count(id) ? "OK" : "YES";
}
