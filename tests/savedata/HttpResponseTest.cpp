// The HTTP response parser fed bytes directly, whole and in pieces of every
// size: framing by length, chunks and close, interim answers, and hostile
// counts and sizes.
#include <gtest/gtest.h>

#include "savedata/httplink/Connection.h"
#include "savedata/httplink/Response.h"

using httplink::Connection;
using httplink::Response;

namespace {
struct Outcome {
    bool ok = true;
    bool complete = false;
    std::string body;
    int begins = 0;
    int completes = 0;
    int used = 0;        // bytes taken by the response when it completed
    std::string header;  // the value of "x-a" at the start of the body
    int status = 0;
    std::string reason;
    bool badCount = false;
};

void onBegin(const Response* r, void* u) {
    Outcome* o = static_cast<Outcome*>(u);
    o->begins++;
    const char* value = r->getheader("X-a");
    o->header = value ? value : "(none)";
    o->status = r->getstatus();
    o->reason = r->getreason();
}
void onData(const Response*, void* u, const unsigned char* data, int n) {
    Outcome* o = static_cast<Outcome*>(u);
    if (n < 0 || n > 16 * 1024 * 1024)
        o->badCount = true;
    else
        o->body.append((const char*)data, (size_t)n);
}
void onComplete(const Response*, void* u) { static_cast<Outcome*>(u)->completes++; }

// Feeds the bytes in pieces of `piece` bytes (0: whole), then a close when asked.
Outcome feed(const std::string& bytes, size_t piece, bool closeAtEnd, const char* method = "GET") {
    Outcome o;
    Connection connection("unused", 0);
    connection.setcallbacks(onBegin, onData, onComplete, &o);
    Response r(method, connection);
    size_t step = piece ? piece : bytes.size();
    int taken = 0;
    for (size_t at = 0; at < bytes.size() && o.ok && !r.completed(); at += step) {
        size_t n = std::min(step, bytes.size() - at);
        int used = -1;
        o.ok = r.pump((const unsigned char*)bytes.data() + at, (int)n, &used) == 1;
        EXPECT_GE(used, 0);
        EXPECT_LE(used, (int)n);
        taken += used;
    }
    o.used = taken;
    if (o.ok && closeAtEnd)
        o.ok = r.notifyconnectionclosed() == 1;
    o.complete = r.completed();
    EXPECT_LE(o.completes, 1);
    EXPECT_FALSE(o.badCount);
    return o;
}

// The same outcome whole and in pieces of every size.
void expectAtEverySplit(const std::string& bytes, bool closeAtEnd, bool ok, const std::string& body,
                        const char* method = "GET") {
    for (size_t piece = 0; piece <= bytes.size(); piece++) {
        Outcome o = feed(bytes, piece, closeAtEnd, method);
        ASSERT_EQ(o.ok, ok) << "piece " << piece;
        if (ok) {
            ASSERT_TRUE(o.complete) << "piece " << piece;
            ASSERT_EQ(o.completes, 1) << "piece " << piece;
            ASSERT_EQ(o.body, body) << "piece " << piece;
        } else {
            ASSERT_FALSE(o.complete && o.completes == 1 && closeAtEnd) << "piece " << piece;
        }
    }
}

const std::string ok200 = "HTTP/1.1 200 OK\r\n";
}  // namespace

TEST(HttpResponseTest, FramingsParseAtEverySplit) {
    struct Case {
        const char* name;
        std::string bytes;
        bool close;
        std::string body;
    } cases[] = {
        {"content length", ok200 + "Content-Length: 5\r\n\r\nhello", false, "hello"},
        {"chunked with extension and trailers",
         ok200 + "Transfer-Encoding:  Chunked \r\n\r\n1a;x=y\r\nabcdefghijklmnopqrstuvwxyz\r\n"
                 "3 \r\n123\r\n0\r\nX-Trailer: 1\r\n\r\n",
         false, "abcdefghijklmnopqrstuvwxyz123"},
        {"LF-only lines", "HTTP/1.1 200 OK\nContent-Length: 3\n\nabc", false, "abc"},
        {"CR inside a line", ok200 + "Content-Le\rngth: 3\r\n\r\nabc", false, "abc"},
        {"interim 100", "HTTP/1.1 100 Continue\r\nX-A: early\r\n\r\n" + ok200 + "Content-Length: 2\r\n\r\nok", false,
         "ok"},
        {"interim 103", "HTTP/1.1 103 Early Hints\r\nLink: </a>\r\n\r\n" + ok200 + "Content-Length: 2\r\n\r\nok", false,
         "ok"},
        {"close-delimited", "HTTP/1.0 200 OK\r\n\r\nuntil the end", true, "until the end"},
        {"length 0 without close", ok200 + "Content-Length: 0\r\n\r\n", false, ""},
        {"length 0 with close", ok200 + "Content-Length: 0\r\n\r\n", true, ""},
        {"204", "HTTP/1.1 204 No Content\r\n\r\n", false, ""},
        {"304 with a length", "HTTP/1.1 304 Not Modified\r\nContent-Length: 40\r\n\r\n", false, ""},
        {"404 page", "HTTP/1.1 404 Not Found\r\nContent-Length: 4\r\n\r\nnope", false, "nope"},
        {"odd version token", "XYZ 200 fine\r\nContent-Length: 1\r\n\r\nx", false, "x"},
        {"length with blanks", ok200 + "Content-Length:  7 \r\n\r\nsevenxx", false, "sevenxx"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        expectAtEverySplit(c.bytes, c.close, true, c.body);
    }
}

TEST(HttpResponseTest, StatusIsTheNumberThatStartsTheWordAfterTheVersion) {
    struct Case {
        const char* line;
        int status;
        const char* reason;
    } cases[] = {
        {"HTTP/1.1 200 OK", 200, "OK"},      {"HTTP/1.1 200OK", 200, ""},
        {"HTTP/1.1 200x OK", 200, "OK"},     {"HTTP/1.1   404   Not Found", 404, "  Not Found"},
        {"HTTP/1.1 0200 Fine", 200, "Fine"}, {"HTTP/1.1 +201 Made", 201, "Made"},
        {"HTTP/1.1 500", 500, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line);
        expectAtEverySplit(std::string(c.line) + "\r\nContent-Length: 1\r\n\r\nx", false, true, "x");
        Outcome o = feed(std::string(c.line) + "\r\nContent-Length: 1\r\n\r\nx", 0, false);
        EXPECT_EQ(o.status, c.status);
        EXPECT_EQ(o.reason, c.reason);
    }
}

TEST(HttpResponseTest, HeadAnswerEndsWithItsHeaders) {
    expectAtEverySplit(ok200 + "Content-Length: 100\r\n\r\n", false, true, "", "HEAD");
}

TEST(HttpResponseTest, HeadersContinuationAndInterimHeadersDropped) {
    Outcome o = feed(ok200 + "X-A: one\r\n \t two\r\nContent-Length: 0\r\n\r\n", 0, false);
    EXPECT_EQ(o.header, "one two");
    o = feed("HTTP/1.1 100 Continue\r\nX-A: early\r\n\r\n" + ok200 + "Content-Length: 0\r\n\r\n", 0, false);
    EXPECT_EQ(o.header, "(none)");
    EXPECT_EQ(o.begins, 1);
}

TEST(HttpResponseTest, LeftoverBytesAreNotTaken) {
    std::string first = ok200 + "Content-Length: 2\r\n\r\nhi";
    Outcome o = feed(first + "HTTP/1.1 200 OK\r\n", 0, false);
    EXPECT_TRUE(o.complete);
    EXPECT_EQ(o.used, (int)first.size());
    EXPECT_EQ(o.body, "hi");
}

TEST(HttpResponseTest, HostileCountsAndStatusLinesFail) {
    const char* lengths[] = {"-5", "99999999999", "abc", "5x", "+5", "0x10", "", "16777217"};
    for (const char* length : lengths) {
        SCOPED_TRACE(length);
        expectAtEverySplit(ok200 + "Content-Length: " + length + "\r\n\r\nhello", true, false, "");
    }
    const char* chunkSizes[] = {"-1", "ffffffff", "0x1a", "zz", "", " 1a", "1a x", "1000001"};
    for (const char* size : chunkSizes) {
        SCOPED_TRACE(size);
        expectAtEverySplit(ok200 + "Transfer-Encoding: chunked\r\n\r\n" + size + "\r\nabc\r\n0\r\n\r\n", true, false,
                           "");
    }
    const char* statusLines[] = {
        "HTTP/1.1 abc OK", "HTTP/1.1 99 Low",        "HTTP/1.1 1000 High", "HTTP/1.1",       "",
        "HTTP/1.1 20 OK",  "HTTP/1.1 101 Switching", "HTTP/1.1 -200 OK",   "HTTP/1.1 OK200", "HTTP/1.1 2000OK"};
    for (const char* status : statusLines) {
        SCOPED_TRACE(status);
        expectAtEverySplit(std::string(status) + "\r\nContent-Length: 1\r\n\r\nx", true, false, "");
    }
    // Data after a chunk must be followed by an empty line.
    expectAtEverySplit(ok200 + "Transfer-Encoding: chunked\r\n\r\n3\r\nabcX\r\n0\r\n\r\n", true, false, "");
}

TEST(HttpResponseTest, CloseTooEarlyFails) {
    std::string cases[] = {
        ok200 + "Content-Le",
        ok200 + "Content-Length: 10\r\n\r\nshort",
        ok200 + "Transfer-Encoding: chunked\r\n\r\n5\r\nab",
        ok200 + "Transfer-Encoding: chunked\r\n\r\n0\r\nTrailer: x\r\n",
        "",
    };
    for (const std::string& bytes : cases) {
        Outcome o = feed(bytes, 0, true);
        EXPECT_FALSE(o.ok) << bytes;
        EXPECT_EQ(o.completes, 0);
    }
}

TEST(HttpResponseTest, CapsBoundMemory) {
    // One line longer than 8 KiB.
    Outcome o = feed(ok200 + "X-Long: " + std::string(9000, 'a') + "\r\n\r\n", 2048, false);
    EXPECT_FALSE(o.ok);
    // Headers of more than 64 KiB in lines that are each short.
    std::string many;
    for (int i = 0; i < 1000; i++)
        many += "X-" + std::to_string(i) + ": " + std::string(80, 'b') + "\r\n";
    EXPECT_FALSE(feed(ok200 + many + "\r\n", 2048, false).ok);
    // Endless interim answers run into the same cap.
    std::string interim;
    for (int i = 0; i < 5000; i++)
        interim += "HTTP/1.1 100 Continue\r\n\r\n";
    EXPECT_FALSE(feed(interim, 2048, false).ok);
    // A close-delimited body past 16 MiB.
    std::string big = "HTTP/1.0 200 OK\r\n\r\n" + std::string(16 * 1024 * 1024 + 1, 'c');
    o = feed(big, 65536, true);
    EXPECT_FALSE(o.ok);
    EXPECT_LE(o.body.size(), 16u * 1024 * 1024);
    // Many small chunks are fine: only header and trailer lines count.
    std::string chunks = ok200 + "Transfer-Encoding: chunked\r\n\r\n";
    for (int i = 0; i < 30000; i++)
        chunks += "1\r\nz\r\n";
    o = feed(chunks + "0\r\n\r\n", 4096, false);
    EXPECT_TRUE(o.complete);
    EXPECT_EQ(o.body.size(), 30000u);
}
