// One HTTP transfer with the score server: the request is written when the
// transfer is made, the answer polled once per frame.
#pragma once

#include <cstddef>
#include <string>

#include "savedata/httplink/Connection.h"

class HTTPBodyMaker;

class Download {
public:
    // A GET of the url ("http://" is optional; the host ends at the first '/').
    Download(std::string url, int port);
    // A POST of the body, which is read only here and stays the caller's.
    Download(std::string url, HTTPBodyMaker* body, int port);
    ~Download();
    Download(const Download&) = delete;
    Download& operator=(const Download&) = delete;

    // One polling step: true once the transfer is over (see getSuccess). A
    // failure while receiving answers false once, then true. A complete
    // answer whose status is not 2xx is a failure too.
    bool getTransferIsFinished();
    bool getSuccess() const { return success; }
    unsigned char* getData() { return buffer; }
    int getFileSize() const { return (int)size; }
    size_t getCapacity() const { return capacity; }
    const std::string& getHost() const { return host; }
    const std::string& getPath() const { return path; }
    // The host and path of a url: one "http://" (lower case) is dropped, the host
    // ends at the first '/', the path is the rest with that '/'.
    static void splitUrl(std::string url, std::string* host, std::string* path);
    // Closes the connection: the transfer then never finishes.
    void cancel();

    static void OnBegin(const httplink::Response* r, void* userdata);
    static void OnData(const httplink::Response* r, void* userdata, const unsigned char* data, int n);
    static void OnComplete(const httplink::Response* r, void* userdata);

private:
    void init(std::string url, int port);
    void fail();
    bool appendReceivedData(const unsigned char* data, int n);

    bool finished = false;
    httplink::Connection* connection = nullptr;
    std::string url;
    std::string host;
    std::string path;
    unsigned char* buffer = nullptr;
    size_t capacity = 0;
    size_t size = 0;
    bool success = true;
    // The buffer could not grow: the transfer fails at the next poll.
    bool outOfMemory = false;
};
