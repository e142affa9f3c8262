// The parser of one HTTP/1.1 response, fed the bytes its connection receives.
#pragma once

#include <cstddef>
#include <map>
#include <string>

#include "platform/readFileBytes.h"

namespace httplink {

class Connection;

class Response {
public:
    enum STATE { STATUSLINE = 0, HEADERS, BODY, CHUNKLEN, CHUNKEND, TRAILERS, COMPLETE };

    // Limits that keep a hostile server from growing memory without end. A
    // body becomes a document (a score list, a replay), and is bounded as
    // one is read: by maxFileBytes.
    static const size_t maxLineLength = 8 * 1024;
    static const size_t maxHeaderBytes = 64 * 1024;

    Response(const char* method, Connection& connection);

    // Parses up to count bytes; *used tells how many belong to this response.
    // 0 when the bytes are not a valid response (the transfer is then given up).
    int pump(const unsigned char* data, int count, int* used);
    // The server closed the connection: 1 when that completes this response
    // (it already was, or its body runs to the close), else 0.
    int notifyconnectionclosed();
    bool completed() const { return m_State == COMPLETE; }
    // The value of a received header, or null; the name is matched without case.
    const char* getheader(const char* name) const;
    int getstatus() const { return m_Status; }
    const char* getreason() const { return m_Reason.c_str(); }
    // Body bytes delivered so far.
    size_t getbytesread() const { return m_BytesRead; }

private:
    bool ProcessLine();
    bool ProcessStatusLine(const std::string& line);
    bool ProcessHeaderLine(const std::string& line);
    bool ProcessChunkLenLine(const std::string& line);
    void ProcessTrailerLine(const std::string& line);
    void FlushHeader();
    bool BeginBody();
    bool ProcessDataChunked(const unsigned char* data, size_t count, size_t* taken);
    bool ProcessDataNonChunked(const unsigned char* data, size_t count, size_t* taken);
    bool Deliver(const unsigned char* data, size_t count);
    void Finish();

    int m_State = STATUSLINE;
    Connection& m_Connection;
    std::string m_Method;
    std::string m_Version;
    int m_Status = 0;
    std::string m_Reason;
    std::map<std::string, std::string> m_Headers;
    size_t m_BytesRead = 0;
    bool m_Chunked = false;
    size_t m_ChunkLeft = 0;
    bool m_HasLength = false;
    size_t m_Length = 0;
    size_t m_HeaderBytes = 0;
    std::string m_LineBuf;
    std::string m_HeaderAccum;
};

}  // namespace httplink
