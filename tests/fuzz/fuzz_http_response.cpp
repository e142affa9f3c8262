// Fuzzes the HTTP response parser: the first byte picks GET or HEAD, the
// second the pattern of piece sizes; the rest is fed in those pieces, then
// the connection closes.
#include <cstddef>
#include <cstdint>

#include "fuzz/FuzzDocuments.h"
#include "platform/readFileBytes.h"
#include "savedata/httplink/Connection.h"
#include "savedata/httplink/Response.h"

namespace {
struct Counts {
    size_t fedInThisPump = 0;
    size_t delivered = 0;
    int begins = 0;
    int completes = 0;
};

void onBegin(const httplink::Response*, void* u) { static_cast<Counts*>(u)->begins++; }

void onData(const httplink::Response*, void* u, const unsigned char* data, int n) {
    Counts* c = static_cast<Counts*>(u);
    FUZZ_CHECK(n >= 0 && (size_t)n <= c->fedInThisPump);
    FUZZ_CHECK(n == 0 || data != nullptr);
    // Touch every byte, so that ASan sees a read past the buffer.
    volatile unsigned char sum = 0;
    for (int i = 0; i < n; i++)
        sum = (unsigned char)(sum + data[i]);
    c->delivered += (size_t)n;
}

void onComplete(const httplink::Response*, void* u) { static_cast<Counts*>(u)->completes++; }

const size_t pieceSizes[8] = {1, 2, 3, 5, 7, 64, 700, 2048};
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 2)
        return 0;
    const char* method = (data[0] & 1) ? "HEAD" : "GET";
    unsigned pattern = data[1];
    data += 2;
    size -= 2;
    Counts counts;
    httplink::Connection connection("fuzz.invalid", 0);
    connection.setcallbacks(onBegin, onData, onComplete, &counts);
    httplink::Response response(method, connection);
    size_t at = 0, fed = 0;
    bool ok = true;
    for (int k = 0; at < size && ok && !response.completed(); k++) {
        size_t piece = pieceSizes[(pattern >> ((k % 4) * 2)) & 7];
        size_t n = piece < size - at ? piece : size - at;
        counts.fedInThisPump = n;
        int used = -1;
        ok = response.pump(data + at, (int)n, &used) == 1;
        FUZZ_CHECK(used >= 0 && (size_t)used <= n);
        at += n;
        fed += n;
    }
    if (ok)
        response.notifyconnectionclosed();
    FUZZ_CHECK(counts.delivered <= fed);
    FUZZ_CHECK(counts.completes <= 1);
    FUZZ_CHECK(counts.begins <= 1);
    FUZZ_CHECK(counts.completes == 0 || counts.begins == 1);
    FUZZ_CHECK(counts.delivered <= maxFileBytes);
    FUZZ_CHECK(counts.delivered == response.getbytesread());
    return 0;
}
