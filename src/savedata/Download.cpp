// A transfer: GET or multipart POST, the body collected in a doubling buffer.
#include "savedata/Download.h"

#include <cstdlib>
#include <cstring>

#include "savedata/HTTPBodyMaker.h"
#include "savedata/httplink/Response.h"

static const size_t initialCapacity = 1000;

void Download::splitUrl(std::string url, std::string* host, std::string* path) {
    if (url.compare(0, 7, "http://") == 0)
        url.erase(0, 7);
    size_t slash = url.find('/');
    *host = url.substr(0, slash);
    *path = slash == std::string::npos ? "" : url.substr(slash);
}

void Download::init(std::string url_, int port) {
    finished = false;
    success = true;
    splitUrl(url_, &host, &path);
    url = host + path;
    buffer = (unsigned char*)malloc(initialCapacity);
    capacity = buffer ? initialCapacity : 0;
    size = 0;
    outOfMemory = buffer == nullptr;
    connection = new httplink::Connection(host.c_str(), port);
    connection->setcallbacks(OnBegin, OnData, OnComplete, this);
}

void Download::fail() {
    finished = true;
    success = false;
}

Download::Download(std::string url_, int port) {
    init(url_, port);
    if (!connection->request("GET", path.c_str(), nullptr, nullptr, 0))
        fail();
}

Download::Download(std::string url_, HTTPBodyMaker* body, int port) {
    init(url_, port);
    if (!connection->putrequest("POST", path.c_str())) {
        fail();
        return;
    }
    std::string contentType = "multipart/form-data; boundary=" + body->getBoundary();
    connection->putheader("Connection", "close");
    connection->putheader("Content-Length", body->getBodySize());
    connection->putheader("Content-type", contentType.c_str());
    connection->putheader("User-Agent", "Zorbix2/1.8.5");
    connection->putheader("Accept", "ISO-8859-1,utf-8;q=0.7,*;q=0.7");
    if (!connection->endheaders() || !connection->send(body->getBody(), body->getBodySize()))
        fail();
}

Download::~Download() {
    delete connection;
    free(buffer);
}

bool Download::getTransferIsFinished() {
    if (finished)
        return true;
    if (connection->outstanding() == 0)
        return false;
    if (!connection->pump() || outOfMemory) {
        // The answer is incomplete or the buffer could not hold it.
        connection->close();
        fail();
    }
    return false;
}

void Download::cancel() { connection->close(); }

bool Download::appendReceivedData(const unsigned char* data, int n) {
    if (n <= 0 || outOfMemory)
        return !outOfMemory;
    size_t needed = size + (size_t)n;
    size_t grown = capacity;
    while (needed > grown)
        grown *= 2;
    if (grown != capacity) {
        unsigned char* bigger = (unsigned char*)realloc(buffer, grown);
        if (!bigger) {
            outOfMemory = true;
            return false;
        }
        buffer = bigger;
        capacity = grown;
    }
    memcpy(buffer + size, data, (size_t)n);
    size = needed;
    return true;
}

void Download::OnBegin(const httplink::Response*, void*) {}

void Download::OnData(const httplink::Response*, void* userdata, const unsigned char* data, int n) {
    static_cast<Download*>(userdata)->appendReceivedData(data, n);
}

void Download::OnComplete(const httplink::Response* r, void* userdata) {
    Download* d = static_cast<Download*>(userdata);
    d->finished = true;
    // Only a success answer carries what was asked for: an error page or a
    // redirection must not replace a document or pass for an upload taken.
    if (r->getstatus() < 200 || r->getstatus() > 299)
        d->success = false;
}
