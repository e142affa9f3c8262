// A score server on the loopback for tests: one thread, bounded in connections
// and time, that records every raw request and answers from a script or by
// emulating the real server's protocol.
#pragma once

#include <atomic>
#include <chrono>
#include <map>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

class ScoreServer {
public:
    // What a scripted connection gets: segments sent one after another, each
    // after its pause, then the end.
    struct Segment {
        std::string bytes;
        int pauseMs = 0;
    };
    enum END { CLOSE, KEEP_OPEN, RESET, SILENCE };
    struct Script {
        std::vector<Segment> segments;
        END end = CLOSE;
        // Answer (and end) once the request head is in, without reading the body.
        bool answerBeforeBody = false;
    };
    struct Upload {
        std::map<std::string, std::string> fields;
        bool hasReplay = false;
        std::string replay;
    };

    // Listens on address:port (0: an ephemeral port); stops after maxConnections
    // connections or maxSeconds, whichever comes first.
    explicit ScoreServer(const char* address = "127.0.0.1", int port = 0, int maxConnections = 16, int maxSeconds = 30);
    ~ScoreServer();
    ScoreServer(const ScoreServer&) = delete;
    ScoreServer& operator=(const ScoreServer&) = delete;

    // False when the address could not be bound; bindError() says why.
    bool listening() const { return listenSocket >= 0; }
    const std::string& bindError() const { return error; }
    int port() const { return boundPort; }

    void setScript(const Script& s);
    // A complete answer with this body and a Content-Length, then a close.
    static Script answer(const std::string& body, const std::string& status = "200 OK");
    void emulate();

    std::vector<std::string> requests();
    // Connections whose client closed its end while the server waited.
    int eofCount() const { return eofs; }
    std::vector<Upload> uploads();
    // Requests with a wrong check value.
    int refusedUploads() const { return refused; }
    // Stores a replay under an id, as if it had been uploaded.
    void storeReplay(int id, const std::string& bytes);

    // Parses the client's multipart layout; false when it is not one.
    static bool parseUpload(const std::string& body, const std::string& boundary, Upload* out);

private:
    void run();
    void serve(int sock);
    bool readRequest(int sock, std::string* request, bool headOnly);
    std::string emulatedAnswer(const std::string& request);
    void waitForClose(int sock);
    bool stopping();

    int listenSocket = -1;
    int boundPort = 0;
    std::string error;
    int maxConnections;
    int maxSeconds;
    std::atomic<bool> stop{false};
    std::atomic<int> eofs{0};
    std::atomic<int> refused{0};
    std::thread thread;
    std::mutex mutex;
    bool emulating = false;
    Script script;
    std::vector<std::string> recorded;
    std::vector<Upload> stored;
    std::map<int, std::string> replays;
    // Replay ids by upload key (name, score, time, level).
    std::map<std::string, int> replayIds;
    std::chrono::steady_clock::time_point deadline;
};
