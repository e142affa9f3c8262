// The multipart/form-data body of a score upload, in the score server's layout.
#pragma once

#include <string>
#include <vector>

// The layout differs from the common one, and the server relies on it: a
// text part has no empty line between its header line and its value, the
// closing delimiter follows only a file part, and the file part is always
// named "file" with the file name "fu".
class HTTPBodyMaker {
public:
    HTTPBodyMaker();

    void addField(std::string name, std::string value);
    void addField(std::string name, int value);
    // Appends the file part and the closing delimiter; name is not used.
    void addFile(std::string name, const unsigned char* data, int size);
    // Null while the body is empty.
    unsigned char* getBody();
    int getBodySize() const { return (int)body.size(); }
    const std::string& getBoundary() const { return boundary; }
    void appendStringToBody(const char* text);

private:
    void appendBytes(const unsigned char* data, size_t size);

    std::string boundary;
    std::vector<unsigned char> body;
};
