// The client side of an HTTP/1.1 connection over IPv4 TCP.
//
// Writing blocks the caller (lookup, connect, send), each step bounded in
// time; reading never blocks: pump() polls with a zero time-out and reads at
// most once.
#include "savedata/httplink/Connection.h"

#include <arpa/inet.h>
#include <fcntl.h>
#include <netdb.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "savedata/httplink/Response.h"

namespace httplink {

int Connection::connectTimeoutMs = 10000;
int Connection::sendTimeoutMs = 15000;
int Connection::receiveTimeoutMs = Connection::silentServerLimitMs;

static const int receiveBlock = 2048;

unsigned int atoaddr(const char* host) {
    in_addr address;
    if (inet_pton(AF_INET, host, &address) == 1)
        return address.s_addr;
    addrinfo hints;
    memset(&hints, 0, sizeof hints);
    hints.ai_family = AF_INET;
    hints.ai_socktype = SOCK_STREAM;
    addrinfo* found = nullptr;
    if (getaddrinfo(host, nullptr, &hints, &found) != 0 || !found)
        return 0;
    unsigned int result = 0;
    for (addrinfo* a = found; a && !result; a = a->ai_next)
        if (a->ai_family == AF_INET)
            result = ((sockaddr_in*)a->ai_addr)->sin_addr.s_addr;
    freeaddrinfo(found);
    return result;
}

// Waits until the socket is ready for the events or the time runs out; true
// when it is ready. Interrupted waits go on with the time that is left.
static bool waitFor(int sock, short events, int timeoutMs) {
    auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    for (;;) {
        auto left =
            std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now()).count();
        if (left < 0)
            left = 0;
        pollfd p = {sock, events, 0};
        int n = poll(&p, 1, (int)left);
        if (n > 0)
            return true;
        if (n == 0 || errno != EINTR)
            return false;
    }
}

int datawaiting(int sock) {
    for (;;) {
        pollfd p = {sock, POLLIN, 0};
        int n = poll(&p, 1, 0);
        if (n >= 0)
            return n > 0 ? 1 : 0;
        if (errno != EINTR)
            return -1;
    }
}

// Text taken from C strings cannot hold NUL; a CR or LF would end the line.
static bool hasLineBreak(const char* text) { return strpbrk(text, "\r\n") != nullptr; }

Connection::Connection(const char* host, int port) : m_Host(host ? host : ""), m_Port(port) {}

Connection::~Connection() { close(); }

void Connection::setcallbacks(ResponseBegin_CB begin, ResponseData_CB data, ResponseComplete_CB complete,
                              void* userdata) {
    m_ResponseBegin_CB = begin;
    m_ResponseData_CB = data;
    m_ResponseComplete_CB = complete;
    m_UserData = userdata;
}

int Connection::connect() {
    unsigned int address = atoaddr(m_Host.c_str());
    if (!address)
        return 0;
    m_Sock = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (m_Sock < 0)
        return 0;
    // Non-blocking from here on: connect and send wait in poll with a limit.
    fcntl(m_Sock, F_SETFL, fcntl(m_Sock, F_GETFL) | O_NONBLOCK);
    sockaddr_in target;
    memset(&target, 0, sizeof target);
    target.sin_family = AF_INET;
    target.sin_port = htons((unsigned short)m_Port);
    target.sin_addr.s_addr = address;
    if (::connect(m_Sock, (sockaddr*)&target, sizeof target) != 0) {
        if (errno != EINPROGRESS && errno != EINTR)
            return 0;
        if (!waitFor(m_Sock, POLLOUT, connectTimeoutMs))
            return 0;
        int error = 0;
        socklen_t length = sizeof error;
        if (getsockopt(m_Sock, SOL_SOCKET, SO_ERROR, &error, &length) != 0 || error != 0)
            return 0;
    }
    m_LastActivity = std::chrono::steady_clock::now();
    return 1;
}

int Connection::putrequest(const char* method, const char* url) {
    if (m_State != IDLE || !method || !url)
        return 0;
    if (hasLineBreak(method) || hasLineBreak(url))
        return 0;
    std::string line = std::string(method) + " " + url + " HTTP/1.1";
    if (line.size() > maxRequestLine)
        return 0;
    m_State = REQUEST_OPEN;
    m_RequestRefused = false;
    m_Buffer.push_back(line);
    putheader("Host", m_Host.c_str());
    putheader("Accept-Encoding", "identity");
    m_Outstanding.push_back(new Response(method, *this));
    return 1;
}

void Connection::putheader(const char* name, const char* value) {
    if (m_State != REQUEST_OPEN)
        return;
    if (!name || !value || hasLineBreak(name) || hasLineBreak(value)) {
        m_RequestRefused = true;
        return;
    }
    m_Buffer.push_back(std::string(name) + ": " + value);
}

void Connection::putheader(const char* name, int value) {
    char text[32];
    snprintf(text, sizeof text, "%d", value);
    putheader(name, text);
}

int Connection::endheaders() {
    if (m_State != REQUEST_OPEN)
        return 0;
    m_State = IDLE;
    if (m_RequestRefused) {
        m_Buffer.clear();
        delete m_Outstanding.back();
        m_Outstanding.pop_back();
        return 0;
    }
    m_Buffer.push_back("");
    std::string head;
    for (const std::string& line : m_Buffer)
        head += line + "\r\n";
    m_Buffer.clear();
    return send((const unsigned char*)head.data(), (int)head.size());
}

int Connection::send(const unsigned char* data, int count) {
    if (m_Sock < 0 && !connect())
        return 0;
    int sent = 0;
    while (sent < count) {
        ssize_t n = ::send(m_Sock, data + sent, (size_t)(count - sent), MSG_NOSIGNAL);
        if (n > 0) {
            sent += (int)n;
            continue;
        }
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK) && waitFor(m_Sock, POLLOUT, sendTimeoutMs))
            continue;
        return 0;
    }
    m_LastActivity = std::chrono::steady_clock::now();
    return 1;
}

int Connection::request(const char* method, const char* url, const char** headers, const unsigned char* body,
                        int bodySize) {
    bool hasLength = false;
    if (headers) {
        for (const char** h = headers; *h; h += 2) {
            if (!h[1])
                return 0;
            if (strcasecmp(h[0], "content-length") == 0)
                hasLength = true;
        }
    }
    if (!putrequest(method, url))
        return 0;
    if (body && !hasLength)
        putheader("Content-Length", bodySize);
    if (headers)
        for (const char** h = headers; *h; h += 2)
            putheader(h[0], h[1]);
    if (!endheaders())
        return 0;
    if (body && !send(body, bodySize))
        return 0;
    return 1;
}

int Connection::pump() {
    if (m_Outstanding.empty())
        return 1;
    if (m_Sock < 0)
        return 0;
    int waiting = datawaiting(m_Sock);
    if (waiting < 0)
        return 0;
    auto now = std::chrono::steady_clock::now();
    if (waiting == 0) {
        auto silent = std::chrono::duration_cast<std::chrono::milliseconds>(now - m_LastActivity);
        return silent.count() > receiveTimeoutMs ? 0 : 1;
    }
    unsigned char buffer[receiveBlock];
    ssize_t n = recv(m_Sock, buffer, sizeof buffer, MSG_DONTWAIT);
    if (n < 0)
        return errno == EINTR || errno == EAGAIN || errno == EWOULDBLOCK ? 1 : 0;
    m_LastActivity = now;
    if (n == 0) {
        Response* oldest = m_Outstanding.front();
        if (!oldest->notifyconnectionclosed())
            return 0;
        delete oldest;
        m_Outstanding.pop_front();
        close();
        return 1;
    }
    int offset = 0;
    while (offset < n && !m_Outstanding.empty()) {
        Response* oldest = m_Outstanding.front();
        int used = 0;
        if (!oldest->pump(buffer + offset, (int)n - offset, &used))
            return 0;
        bool done = oldest->completed();
        if (done) {
            delete oldest;
            m_Outstanding.pop_front();
        }
        if (used <= 0 && !done)
            break;
        offset += used;
    }
    // Bytes after the last outstanding response belong to no request: dropped.
    return 1;
}

void Connection::close() {
    if (m_Sock >= 0) {
        ::close(m_Sock);
        m_Sock = -1;
    }
    for (Response* r : m_Outstanding)
        delete r;
    m_Outstanding.clear();
    m_State = IDLE;
    m_Buffer.clear();
}

}  // namespace httplink
