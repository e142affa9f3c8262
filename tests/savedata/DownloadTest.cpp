// Connections and transfers against a loopback server on an ephemeral port:
// the bytes sent, buffer growth, early closes, resets, time-outs, cancel.
#include <gtest/gtest.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <thread>

#include "savedata/Download.h"
#include "savedata/HTTPBodyMaker.h"
#include "savedata/httplink/Connection.h"
#include "support/ScoreServer.h"

using httplink::Connection;

namespace {
class DownloadTest : public ::testing::Test {
protected:
    void SetUp() override {
        saved[0] = Connection::connectTimeoutMs;
        saved[1] = Connection::sendTimeoutMs;
        saved[2] = Connection::receiveTimeoutMs;
        ASSERT_TRUE(server.listening()) << server.bindError();
        base = "127.0.0.1/";
    }
    void TearDown() override {
        Connection::connectTimeoutMs = saved[0];
        Connection::sendTimeoutMs = saved[1];
        Connection::receiveTimeoutMs = saved[2];
    }
    // Polls once per millisecond, at most five seconds; true when finished.
    static bool pollToEnd(Download& d) {
        for (int i = 0; i < 5000; i++) {
            if (d.getTransferIsFinished())
                return true;
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
        return false;
    }
    // A failure while receiving answers false once, then true.
    static void expectFailsAfterOneFalse(Download& d) {
        for (int i = 0; i < 5000; i++) {
            bool finished = d.getTransferIsFinished();
            if (!d.getSuccess()) {
                EXPECT_FALSE(finished);
                EXPECT_TRUE(d.getTransferIsFinished());
                return;
            }
            ASSERT_FALSE(finished) << "finished with success";
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
        ADD_FAILURE() << "never failed";
    }
    static std::string data(Download& d) { return std::string((const char*)d.getData(), (size_t)d.getFileSize()); }
    int saved[3];
    ScoreServer server;
    std::string base;
};
}  // namespace

TEST_F(DownloadTest, GetSendsThreeLinesAndABlankLine) {
    server.setScript(ScoreServer::answer("hello"));
    Download d("http://" + base + "GetScores_4?hwClass=RIM", server.port());
    ASSERT_TRUE(pollToEnd(d));
    EXPECT_TRUE(d.getSuccess());
    EXPECT_EQ(data(d), "hello");
    ASSERT_EQ(server.requests().size(), 1u);
    EXPECT_EQ(server.requests()[0],
              "GET /GetScores_4?hwClass=RIM HTTP/1.1\r\nHost: 127.0.0.1\r\nAccept-Encoding: identity\r\n\r\n");
}

TEST_F(DownloadTest, UrlSplitsIntoHostAndPath) {
    struct Case {
        std::string url, host, path;
    } cases[] = {
        {"http://example.invalid/a/b?c", "example.invalid", "/a/b?c"},
        {"HTTP://example.invalid/a", "HTTP:", "//example.invalid/a"},
        {"http://example.invalid", "example.invalid", ""},
    };
    // Split only: no name here is ever looked up.
    for (const Case& c : cases) {
        std::string host, path;
        Download::splitUrl(c.url, &host, &path);
        EXPECT_EQ(host, c.host);
        EXPECT_EQ(path, c.path);
    }
}

TEST_F(DownloadTest, PostHeadersInOrderThenTheBody) {
    server.setScript(ScoreServer::answer("YES"));
    HTTPBodyMaker body;
    body.addField("nickName", "AB");
    Download d(base + "UploadScore_4", &body, server.port());
    ASSERT_TRUE(pollToEnd(d));
    EXPECT_EQ(data(d), "YES");
    std::string expected =
        "POST /UploadScore_4 HTTP/1.1\r\nHost: 127.0.0.1\r\nAccept-Encoding: identity\r\n"
        "Connection: close\r\nContent-Length: 90\r\n"
        "Content-type: multipart/form-data; boundary=-----------------------2971687616\r\n"
        "User-Agent: Zorbix2/1.8.5\r\nAccept: ISO-8859-1,utf-8;q=0.7,*;q=0.7\r\n\r\n" +
        std::string((const char*)body.getBody(), 90);
    ASSERT_EQ(server.requests().size(), 1u);
    EXPECT_EQ(server.requests()[0], expected);
}

TEST_F(DownloadTest, LineBreaksInRequestsAreRefused) {
    Connection c("127.0.0.1", server.port());
    EXPECT_EQ(c.putrequest("GET", "/a\r\nX-Evil: 1"), 0);
    EXPECT_EQ(c.putrequest("GET", std::string(600, 'a').c_str()), 0);
    EXPECT_EQ(c.putrequest("GET", "/ok"), 1);
    EXPECT_EQ(c.putrequest("GET", "/again"), 0);
    c.putheader("X-Value", "a\nb");
    EXPECT_EQ(c.endheaders(), 0);
    EXPECT_EQ(c.outstanding(), 0);
    EXPECT_EQ(c.endheaders(), 0);
    const char* headers[] = {"X-Name\r", "v", nullptr};
    EXPECT_EQ(c.request("GET", "/", headers, nullptr, 0), 0);
    const char* missing[] = {"X-Name", nullptr, nullptr};
    EXPECT_EQ(c.request("GET", "/", missing, nullptr, 0), 0);
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    EXPECT_TRUE(server.requests().empty());
}

TEST_F(DownloadTest, BufferDoublesFromOneThousand) {
    struct Case {
        size_t size, capacity;
    } cases[] = {{1000, 1000}, {1001, 2000}, {5000, 8000}, {0, 1000}};
    for (const Case& c : cases) {
        std::string body(c.size, 'x');
        for (size_t i = 0; i < body.size(); i++)
            body[i] = (char)(i * 7);
        server.setScript(ScoreServer::answer(body));
        Download d(base, server.port());
        ASSERT_TRUE(pollToEnd(d));
        EXPECT_TRUE(d.getSuccess());
        EXPECT_EQ(data(d), body);
        EXPECT_EQ(d.getCapacity(), c.capacity);
    }
}

TEST_F(DownloadTest, AnswersThatEndEarlyFail) {
    std::string ok200 = "HTTP/1.1 200 OK\r\n";
    std::vector<ScoreServer::Script> scripts(4);
    scripts[0].segments = {{ok200 + "Content-Le", 0}};
    scripts[1].segments = {{ok200 + "Transfer-Encoding: chunked\r\n\r\n10\r\nabc", 0}};
    scripts[2].segments = {{ok200 + "Content-Length: 10\r\n\r\nabc", 0}};
    scripts[3].segments = {{ok200 + "Content-Length: 10\r\n\r\nabc", 20}};
    scripts[3].end = ScoreServer::RESET;
    for (const ScoreServer::Script& s : scripts) {
        server.setScript(s);
        Download d(base, server.port());
        expectFailsAfterOneFalse(d);
    }
}

TEST_F(DownloadTest, CloseWithoutLengthSucceedsAndOnly2xxIsASuccess) {
    ScoreServer::Script s;
    s.segments = {{"HTTP/1.0 200 OK\r\n\r\npart one, ", 0}, {"part two", 30}};
    server.setScript(s);
    Download d(base, server.port());
    ASSERT_TRUE(pollToEnd(d));
    EXPECT_TRUE(d.getSuccess());
    EXPECT_EQ(data(d), "part one, part two");

    // A complete answer of another class is a failed transfer, GET or POST
    // (the server takes 16 connections).
    struct Case {
        const char* status;
        bool success;
    } cases[] = {
        {"201 Created", true},    {"299 Odd", true},           {"302 Found", false},
        {"404 Not Found", false}, {"500 Server Error", false}, {"999 Strange", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.status);
        server.setScript(ScoreServer::answer("YES", c.status));
        Download get(base, server.port());
        ASSERT_TRUE(pollToEnd(get));
        EXPECT_EQ(get.getSuccess(), c.success);
        server.setScript(ScoreServer::answer("YES", c.status));
        HTTPBodyMaker body;
        body.addField("nickName", "AB");
        Download post(base + "UploadScore_4", &body, server.port());
        ASSERT_TRUE(pollToEnd(post));
        EXPECT_EQ(post.getSuccess(), c.success);
    }
}

TEST_F(DownloadTest, PipelinedAnswersAndLeftoverBytes) {
    struct Counts {
        int completes = 0;
        std::string body;
    } counts;
    Connection c("127.0.0.1", server.port());
    c.setcallbacks(
        nullptr,
        [](const httplink::Response*, void* u, const unsigned char* d, int n) {
            static_cast<Counts*>(u)->body.append((const char*)d, (size_t)n);
        },
        [](const httplink::Response*, void* u) { static_cast<Counts*>(u)->completes++; }, &counts);
    ScoreServer::Script s;
    s.segments = {
        {"HTTP/1.1 200 OK\r\nContent-Length: 3\r\n\r\none"
         "HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n3\r\ntwo\r\n0\r\n\r\nleftover",
         0}};
    server.setScript(s);
    ASSERT_EQ(c.putrequest("GET", "/1"), 1);
    ASSERT_EQ(c.endheaders(), 1);
    ASSERT_EQ(c.putrequest("GET", "/2"), 1);
    ASSERT_EQ(c.endheaders(), 1);
    EXPECT_EQ(c.outstanding(), 2);
    for (int i = 0; i < 5000 && c.outstanding() > 0; i++) {
        ASSERT_EQ(c.pump(), 1);
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    EXPECT_EQ(counts.completes, 2);
    EXPECT_EQ(counts.body, "onetwo");
    EXPECT_EQ(c.pump(), 1);
}

TEST_F(DownloadTest, ServerClosingMidPostLeavesTheProcessAlive) {
    ScoreServer::Script s;
    s.answerBeforeBody = true;
    s.segments = {{"HTTP/1.1 200 OK\r\nContent-Length: 2\r\n\r\nno", 0}};
    s.end = ScoreServer::RESET;
    server.setScript(s);
    HTTPBodyMaker body;
    std::string big(8 * 1024 * 1024, 'p');
    body.addFile("replay", (const unsigned char*)big.data(), (int)big.size());
    Connection::sendTimeoutMs = 2000;
    Download d(base + "UploadScore_4", &body, server.port());
    ASSERT_TRUE(pollToEnd(d));
}

TEST_F(DownloadTest, RefusedConnectionFailsAtOnce) {
    int s = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in a = {};
    a.sin_family = AF_INET;
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof a;
    ASSERT_EQ(bind(s, (sockaddr*)&a, sizeof a), 0);
    getsockname(s, (sockaddr*)&a, &length);
    close(s);
    Download d(base, ntohs(a.sin_port));
    EXPECT_TRUE(d.getTransferIsFinished());
    EXPECT_FALSE(d.getSuccess());
}

TEST_F(DownloadTest, SilentServerTimesOut) {
    EXPECT_EQ(Connection::receiveTimeoutMs, 30000);
    Connection::receiveTimeoutMs = 200;
    ScoreServer::Script s;
    s.end = ScoreServer::SILENCE;
    server.setScript(s);
    Download d(base, server.port());
    expectFailsAfterOneFalse(d);
}

TEST_F(DownloadTest, CancelledTransferNeverFinishesAndTheServerSeesTheEnd) {
    ScoreServer::Script s;
    s.segments = {{"HTTP/1.1 200 OK\r\nContent-Length: 100\r\n\r\nabc", 0}};
    s.end = ScoreServer::KEEP_OPEN;
    server.setScript(s);
    Download d(base, server.port());
    while (d.getFileSize() < 3 && !d.getTransferIsFinished())
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    d.cancel();
    for (int i = 0; i < 100; i++) {
        EXPECT_FALSE(d.getTransferIsFinished());
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    for (int i = 0; i < 2000 && server.eofCount() == 0; i++)
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    EXPECT_EQ(server.eofCount(), 1);
}
