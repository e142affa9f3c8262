// HTTP/1.1 response parsing: status line, headers, then a body framed by a
// length, by chunks or by the close of the connection.
//
// Lines end at LF; CR bytes are dropped wherever they stand. Every count that
// comes from the server is checked (digits only, no overflow, within the
// caps) before it frames anything, so no callback ever sees a negative or
// oversized count.
#include "savedata/httplink/Response.h"

#include <cstring>

#include "savedata/httplink/Connection.h"

namespace httplink {

static bool isBlank(char c) { return c == ' ' || c == '\t'; }

static bool isWhite(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f'; }

static char lower(char c) { return c >= 'A' && c <= 'Z' ? (char)(c - 'A' + 'a') : c; }

static std::string lowered(const char* text) {
    std::string out;
    for (; *text; text++)
        out += lower(*text);
    return out;
}

static std::string trimmed(const std::string& text) {
    size_t begin = 0, end = text.size();
    while (begin < end && isBlank(text[begin]))
        begin++;
    while (end > begin && isBlank(text[end - 1]))
        end--;
    return text.substr(begin, end - begin);
}

static int hexValue(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// Reads digits of the base from text[*pos]; false when there are none or the
// value passes the limit.
static bool readCount(const std::string& text, size_t* pos, int base, size_t limit, size_t* out) {
    size_t value = 0, start = *pos;
    while (*pos < text.size()) {
        int digit = hexValue(text[*pos]);
        if (digit < 0 || digit >= base)
            break;
        if (value > (limit - (size_t)digit) / (size_t)base)
            return false;
        value = value * base + (size_t)digit;
        (*pos)++;
    }
    *out = value;
    return *pos > start;
}

Response::Response(const char* method, Connection& connection)
    : m_Connection(connection), m_Method(method ? method : "") {}

int Response::pump(const unsigned char* data, int count, int* used) {
    *used = 0;
    if (count < 0 || m_State == COMPLETE)
        return 1;
    size_t left = (size_t)count;
    while (left > 0 && m_State != COMPLETE) {
        if (m_State == BODY) {
            size_t taken = 0;
            bool ok = m_Chunked ? ProcessDataChunked(data, left, &taken) : ProcessDataNonChunked(data, left, &taken);
            data += taken;
            left -= taken;
            if (!ok) {
                *used = count - (int)left;
                return 0;
            }
            continue;
        }
        char c = (char)*data++;
        left--;
        if (c == '\r')
            continue;
        if (c != '\n') {
            if (m_LineBuf.size() >= maxLineLength) {
                *used = count - (int)left;
                return 0;
            }
            m_LineBuf += c;
            continue;
        }
        bool ok = ProcessLine();
        m_LineBuf.clear();
        if (!ok) {
            *used = count - (int)left;
            return 0;
        }
    }
    *used = count - (int)left;
    return 1;
}

bool Response::ProcessLine() {
    if (m_State == HEADERS || m_State == TRAILERS) {
        m_HeaderBytes += m_LineBuf.size() + 1;
        if (m_HeaderBytes > maxHeaderBytes)
            return false;
    }
    switch (m_State) {
    case STATUSLINE: return ProcessStatusLine(m_LineBuf);
    case HEADERS: return ProcessHeaderLine(m_LineBuf);
    case CHUNKLEN: return ProcessChunkLenLine(m_LineBuf);
    case CHUNKEND:
        // The line that ends a chunk's data holds nothing.
        if (!m_LineBuf.empty())
            return false;
        m_State = CHUNKLEN;
        return true;
    case TRAILERS: ProcessTrailerLine(m_LineBuf); return true;
    }
    return false;
}

bool Response::ProcessStatusLine(const std::string& line) {
    size_t pos = 0;
    while (pos < line.size() && line[pos] == ' ')
        pos++;
    size_t start = pos;
    while (pos < line.size() && line[pos] != ' ')
        pos++;
    m_Version = line.substr(start, pos - start);
    while (pos < line.size() && line[pos] == ' ')
        pos++;
    // The status is the number that starts the next word, read as atoi reads
    // it ("200OK" is 200); the reason is the text after that word.
    size_t wordEnd = line.find(' ', pos);
    if (wordEnd == std::string::npos)
        wordEnd = line.size();
    std::string word = line.substr(pos, wordEnd - pos);
    size_t at = 0;
    while (at < word.size() && isWhite(word[at]))
        at++;
    bool negative = at < word.size() && word[at] == '-';
    if (at < word.size() && (word[at] == '+' || word[at] == '-'))
        at++;
    size_t status = 0;
    if (!readCount(word, &at, 10, 999, &status) || negative || status < 100)
        return false;
    m_Status = (int)status;
    m_Reason = wordEnd < line.size() ? line.substr(wordEnd + 1) : "";
    m_State = HEADERS;
    m_HeaderAccum.clear();
    m_Headers.clear();
    m_HeaderBytes += line.size() + 1;
    return m_HeaderBytes <= maxHeaderBytes;
}

bool Response::ProcessHeaderLine(const std::string& line) {
    if (line.empty()) {
        FlushHeader();
        if (m_Status >= 100 && m_Status <= 199) {
            // Switching protocols is never asked for; any other 1xx answer is
            // interim, and the real response follows.
            if (m_Status == 101)
                return false;
            m_State = STATUSLINE;
            return true;
        }
        return BeginBody();
    }
    if (isWhite(line[0])) {
        size_t pos = 0;
        while (pos < line.size() && isWhite(line[pos]))
            pos++;
        if (!m_HeaderAccum.empty()) {
            m_HeaderAccum += ' ';
            m_HeaderAccum.append(line, pos, std::string::npos);
        }
        return true;
    }
    FlushHeader();
    m_HeaderAccum = line;
    return true;
}

void Response::FlushHeader() {
    if (m_HeaderAccum.empty())
        return;
    size_t colon = m_HeaderAccum.find(':');
    std::string name;
    for (size_t i = 0; i < m_HeaderAccum.size() && i < colon; i++)
        name += lower(m_HeaderAccum[i]);
    size_t pos = colon == std::string::npos ? m_HeaderAccum.size() : colon + 1;
    while (pos < m_HeaderAccum.size() && isBlank(m_HeaderAccum[pos]))
        pos++;
    m_Headers[name] = m_HeaderAccum.substr(pos);
    m_HeaderAccum.clear();
}

bool Response::BeginBody() {
    m_Chunked = false;
    m_HasLength = false;
    m_Length = 0;
    const char* encoding = getheader("transfer-encoding");
    if (encoding && lowered(trimmed(encoding).c_str()) == "chunked") {
        m_Chunked = true;
        m_ChunkLeft = 0;
    }
    const char* length = getheader("content-length");
    if (length && !m_Chunked) {
        std::string digits = trimmed(length);
        size_t pos = 0;
        if (!readCount(digits, &pos, 10, maxFileBytes, &m_Length) || pos != digits.size())
            return false;
        m_HasLength = true;
    }
    if (m_Status == 204 || m_Status == 304 || m_Method == "HEAD") {
        m_Chunked = false;
        m_HasLength = true;
        m_Length = 0;
    }
    if (m_Connection.m_ResponseBegin_CB)
        m_Connection.m_ResponseBegin_CB(this, m_Connection.m_UserData);
    m_State = m_Chunked ? CHUNKLEN : BODY;
    m_HeaderAccum.clear();
    // An empty body is complete as soon as the headers end.
    if (m_HasLength && m_Length == 0)
        Finish();
    return true;
}

bool Response::Deliver(const unsigned char* data, size_t count) {
    if (count == 0)
        return true;
    if (count > maxFileBytes - m_BytesRead)
        return false;
    m_BytesRead += count;
    if (m_Connection.m_ResponseData_CB)
        m_Connection.m_ResponseData_CB(this, m_Connection.m_UserData, data, (int)count);
    return true;
}

bool Response::ProcessDataNonChunked(const unsigned char* data, size_t count, size_t* taken) {
    size_t n = count;
    if (m_HasLength && n > m_Length - m_BytesRead)
        n = m_Length - m_BytesRead;
    *taken = n;
    if (!Deliver(data, n))
        return false;
    if (m_HasLength && m_BytesRead == m_Length)
        Finish();
    return true;
}

bool Response::ProcessDataChunked(const unsigned char* data, size_t count, size_t* taken) {
    size_t n = count < m_ChunkLeft ? count : m_ChunkLeft;
    *taken = n;
    if (!Deliver(data, n))
        return false;
    m_ChunkLeft -= n;
    if (m_ChunkLeft == 0)
        m_State = CHUNKEND;
    return true;
}

bool Response::ProcessChunkLenLine(const std::string& line) {
    size_t pos = 0;
    if (!readCount(line, &pos, 16, maxFileBytes - m_BytesRead, &m_ChunkLeft))
        return false;
    // After the size only blanks or a chunk extension may follow.
    while (pos < line.size() && isBlank(line[pos]))
        pos++;
    if (pos < line.size() && line[pos] != ';')
        return false;
    if (m_ChunkLeft == 0) {
        m_State = TRAILERS;
        m_HeaderAccum.clear();
    } else {
        m_State = BODY;
    }
    return true;
}

void Response::ProcessTrailerLine(const std::string& line) {
    if (line.empty())
        Finish();
}

void Response::Finish() {
    m_State = COMPLETE;
    if (m_Connection.m_ResponseComplete_CB)
        m_Connection.m_ResponseComplete_CB(this, m_Connection.m_UserData);
}

int Response::notifyconnectionclosed() {
    if (m_State == COMPLETE)
        return 1;
    if (m_State == BODY && !m_Chunked && !m_HasLength) {
        Finish();
        return 1;
    }
    return 0;
}

const char* Response::getheader(const char* name) const {
    auto found = m_Headers.find(lowered(name));
    return found == m_Headers.end() ? nullptr : found->second.c_str();
}

}  // namespace httplink
