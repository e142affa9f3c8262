// The score server client end to end, in the test's own network namespace:
// the shipped host name and port 80, served by the loopback score server.
#include <gtest/gtest.h>

#include <thread>

#include "core/Device.h"
#include "levelplay/LevelList.h"
#include "savedata/Download.h"
#include "savedata/Scores.h"
#include "savedata/WebInterface.h"
#include "support/NetNamespace.h"
#include "support/ScoreServer.h"
#include "support/TempGameDir.h"

namespace {
const std::string assault = "/data/levels/infinity/assault/assault.lua";

class WebInterfaceTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(netNamespaceError(), "");
        ASSERT_EQ(WebInterface::serverHost, WebInterface::defaultServerHost);
    }
    void TearDown() override {
        delete Scores::instance;
        Scores::instance = nullptr;
    }
    // Runs the transfer to its end (at most five seconds); its body, or
    // "(failed)".
    static std::string finish(Download* d) {
        for (int i = 0; i < 5000 && !d->getTransferIsFinished(); i++)
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        std::string out = d->getTransferIsFinished() && d->getSuccess()
                              ? std::string((const char*)d->getData(), (size_t)d->getFileSize())
                              : "(failed)";
        delete d;
        return out;
    }
    static std::string bodyOf(const std::string& request) {
        size_t end = request.find("\r\n\r\n");
        return end == std::string::npos ? "" : request.substr(end + 4);
    }
    TempGameDir dir;
};
}  // namespace

TEST_F(WebInterfaceTest, UploadWithoutReplayEndsAtTheHash) {
    ScoreServer server("127.0.0.1", 80);
    ASSERT_TRUE(server.listening()) << server.bindError();
    server.setScript(ScoreServer::answer("OK"));
    Score score("AB", 1234, 7, 1700000000, 2);
    EXPECT_EQ(finish(WebInterface::postScore(&score, assault, false)), "OK");
    // No replay_local_7.txt: the same request as without a replay.
    EXPECT_EQ(finish(WebInterface::postScore(&score, assault, true)), "OK");
    std::vector<std::string> requests = server.requests();
    ASSERT_EQ(requests.size(), 2u);
    EXPECT_EQ(requests[0], requests[1]);
    std::string head = "POST /UploadScore_4 HTTP/1.1\r\nHost: scores.zorbix2.invalid\r\n";
    EXPECT_EQ(requests[0].substr(0, head.size()), head);
    const std::string hash = "C63400261AAB1F60F5ACF7C6443A0726290E0AA21CD9F180C6ED59F37DB3FFD6";
    std::string body = bodyOf(requests[0]);
    ASSERT_GE(body.size(), 64u);
    // The body ends with the hash field's value: no closing delimiter.
    std::string tail = "name=\"hash\"\r\n" + hash;
    EXPECT_EQ(body.substr(body.size() - tail.size()), tail);
    EXPECT_EQ(WebInterface::uploadCheckValue(score, assault), hash);
    ScoreServer::Upload upload;
    ASSERT_TRUE(ScoreServer::parseUpload(body, "-----------------------2971687616", &upload));
    EXPECT_FALSE(upload.hasReplay);
    std::map<std::string, std::string> expected = {
        {"nickName", "AB"}, {"score", "1234"},       {"time", "1700000000"}, {"hwID", Device::getUniqueID()},
        {"hwClass", "RIM"}, {"hwModel", "Playbook"}, {"mapName", assault},   {"hash", hash}};
    EXPECT_EQ(upload.fields, expected);
}

TEST_F(WebInterfaceTest, ReplayBytesArriveIntactAndZerosAreSent) {
    ScoreServer server("127.0.0.1", 80);
    ASSERT_TRUE(server.listening()) << server.bindError();
    server.emulate();
    std::string replay("v1\n\r\n\0\0\x0a\x0d\xff", 11);
    dir.writeDocument("replay_local_3.txt", replay);
    Score score("", 0, 3, 0, 2);
    EXPECT_EQ(finish(WebInterface::postScore(&score, assault, true)), "OK");
    EXPECT_EQ(server.refusedUploads(), 0);
    std::vector<ScoreServer::Upload> uploads = server.uploads();
    ASSERT_EQ(uploads.size(), 1u);
    EXPECT_TRUE(uploads[0].hasReplay);
    EXPECT_EQ(uploads[0].replay, replay);
    EXPECT_EQ(uploads[0].fields["score"], "0");
    EXPECT_EQ(uploads[0].fields["time"], "0");
    EXPECT_EQ(uploads[0].fields["nickName"], "");
}

TEST_F(WebInterfaceTest, EmulatedRoundTrip) {
    ScoreServer server("127.0.0.1", 80);
    ASSERT_TRUE(server.listening()) << server.bindError();
    server.emulate();
    Scores* scores = (Scores::reloadForTests(), Scores::getInstance());
    std::string replay("replay\0bytes\n", 13);
    dir.writeDocument("replay_local_5.txt", replay);
    Score first("AB", 1234, 5, 1700000000, 2), second("CD", 99, 6, 1700000100, 2);
    // The server wants each replay; the client then sends the score again with it.
    EXPECT_EQ(finish(WebInterface::postScore(&first, assault, false)), "YES");
    EXPECT_EQ(finish(WebInterface::postScore(&second, assault, false)), "YES");
    EXPECT_EQ(finish(WebInterface::postScore(&first, assault, true)), "OK");
    EXPECT_EQ(server.refusedUploads(), 0);

    std::string world = finish(WebInterface::downloadURL(
        "http://" + WebInterface::serverHost + "/GetScores_4?hwClass=" + Device::getClass(), 80));
    dir.writeDocument("web_scores.txt", world);
    scores->reloadWebScores();
    ScoresForALevel* list = scores->getWebScoresForLevel(assault);
    ASSERT_NE(list, nullptr);
    ASSERT_EQ(list->scores.size(), 2u);
    EXPECT_EQ(list->scores[0]->name, "AB");
    EXPECT_EQ(list->scores[0]->score, 1234);
    EXPECT_EQ(list->scores[1]->name, "CD");
    EXPECT_FALSE(dir.documentExists("web_scores.txt.bad"));

    std::string url = "http://" + WebInterface::serverHost + "/GetReplay_4?ID=";
    EXPECT_EQ(finish(WebInterface::downloadURL(url + std::to_string(list->scores[0]->replay), 80)), replay);
    EXPECT_EQ(finish(WebInterface::downloadURL(url + std::to_string(list->scores[1]->replay), 80)), "not available\n");
    EXPECT_EQ(finish(WebInterface::downloadURL(url + "999", 80)), "not available\n");
}

TEST_F(WebInterfaceTest, NoServerOrNoNameFailsAtOnce) {
    Score score("AB", 1, 1, 1, 2);
    Download* refused = WebInterface::postScore(&score, assault, false);
    EXPECT_TRUE(refused->getTransferIsFinished());
    EXPECT_FALSE(refused->getSuccess());
    delete refused;
    // Only the loopback exists here: the lookup of an unknown name fails
    // without anything leaving the namespace.
    Download* unknown = WebInterface::downloadURL("http://no-such-host.invalid/x", 80);
    EXPECT_TRUE(unknown->getTransferIsFinished());
    EXPECT_FALSE(unknown->getSuccess());
    delete unknown;
}

TEST_F(WebInterfaceTest, OnlyOneLeadingSchemeIsRemoved) {
    ScoreServer server("127.0.0.1", 80);
    ASSERT_TRUE(server.listening()) << server.bindError();
    // The second "http://" stays: the host is "http:", which is never found.
    Download* d = WebInterface::downloadURL("http://http://" + WebInterface::serverHost + "/GetScores_4", 80);
    EXPECT_EQ(d->getHost(), "http:");
    EXPECT_EQ(d->getPath(), "//" + WebInterface::serverHost + "/GetScores_4");
    EXPECT_EQ(finish(d), "(failed)");
    EXPECT_TRUE(server.requests().empty());
}

TEST_F(WebInterfaceTest, ConfiguredHostIsAHostNameOrIPv4Address) {
    EXPECT_EQ(WebInterface::hostFromEnvironment(nullptr), "scores.zorbix2.invalid");
    const char* accepted[] = {"scores.example.org", "localhost", "10.1.2.3", "a-b.c1"};
    for (const char* host : accepted)
        EXPECT_EQ(WebInterface::hostFromEnvironment(host), host);
    const char* refused[] = {"", "http://x", "x/y", "a b", "x:80", "-x.org", "x-.org", "a..b", "1.2.3.4\n", "[::1]"};
    for (const char* host : refused)
        EXPECT_EQ(WebInterface::hostFromEnvironment(host), "scores.zorbix2.invalid") << host;
}
