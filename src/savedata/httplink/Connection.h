// One client connection to an HTTP/1.1 server: writes requests and feeds the
// answer to one Response parser per outstanding request.
#pragma once

#include <chrono>
#include <deque>
#include <string>
#include <vector>

namespace httplink {

class Response;

typedef void (*ResponseBegin_CB)(const Response* r, void* userdata);
typedef void (*ResponseData_CB)(const Response* r, void* userdata, const unsigned char* data, int count);
typedef void (*ResponseComplete_CB)(const Response* r, void* userdata);

// The address of a dotted IPv4 address or host name (network byte order), or
// 0 when there is none.
unsigned int atoaddr(const char* host);
// 1 when the socket has data (or an end or error) waiting, 0 when not, -1
// when the check itself failed.
int datawaiting(int sock);

class Connection {
    friend class Response;

public:
    enum STATE { IDLE = 0, REQUEST_OPEN = 1 };

    // A server that sends nothing for this long is given up: the transfer
    // fails and the connection-failure screen shows. A player can always
    // cancel sooner, but a run with nobody at the screen (a kiosk, a test,
    // a scripted run) must not wait for ever on a silent server.
    static const int silentServerLimitMs = 30000;

    // Time limits in milliseconds; tests lower them.
    static int connectTimeoutMs;
    static int sendTimeoutMs;
    // silentServerLimitMs, unless a test lowers it.
    static int receiveTimeoutMs;
    static const size_t maxRequestLine = 511;

    Connection(const char* host, int port);
    ~Connection();
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    void setcallbacks(ResponseBegin_CB begin, ResponseData_CB data, ResponseComplete_CB complete, void* userdata);
    // Every operation answers 1 for success and 0 for failure.
    int putrequest(const char* method, const char* url);
    void putheader(const char* name, const char* value);
    void putheader(const char* name, int value);
    int endheaders();
    int send(const unsigned char* data, int count);
    int request(const char* method, const char* url, const char** headers, const unsigned char* body, int bodySize);
    int pump();
    void close();
    int outstanding() const { return (int)m_Outstanding.size(); }

private:
    int connect();

    ResponseBegin_CB m_ResponseBegin_CB = nullptr;
    ResponseData_CB m_ResponseData_CB = nullptr;
    ResponseComplete_CB m_ResponseComplete_CB = nullptr;
    void* m_UserData = nullptr;
    int m_State = IDLE;
    std::string m_Host;
    int m_Port;
    int m_Sock = -1;
    std::vector<std::string> m_Buffer;
    std::deque<Response*> m_Outstanding;
    // A header with a line break in it: the request is refused.
    bool m_RequestRefused = false;
    std::chrono::steady_clock::time_point m_LastActivity;
};

}  // namespace httplink
