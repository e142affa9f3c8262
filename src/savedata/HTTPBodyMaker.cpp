// Multipart body of the score upload.
#include "savedata/HTTPBodyMaker.h"

#include <cstdio>
#include <cstring>

HTTPBodyMaker::HTTPBodyMaker() : boundary("-----------------------2971687616") {}

void HTTPBodyMaker::appendBytes(const unsigned char* data, size_t size) {
    if (data && size > 0)
        body.insert(body.end(), data, data + size);
}

void HTTPBodyMaker::appendStringToBody(const char* text) {
    if (text)
        appendBytes((const unsigned char*)text, strlen(text));
}

void HTTPBodyMaker::addField(std::string name, std::string value) {
    appendStringToBody("\r\n--");
    appendStringToBody(boundary.c_str());
    appendStringToBody("\r\n");
    appendStringToBody("Content-Disposition: form-data; name=\"");
    appendStringToBody(name.c_str());
    appendStringToBody("\"\r\n");
    // The value goes as a C string, up to its first NUL.
    appendStringToBody(value.c_str());
}

void HTTPBodyMaker::addField(std::string name, int value) {
    char text[32];
    snprintf(text, sizeof text, "%i", value);
    addField(name, std::string(text));
}

void HTTPBodyMaker::addFile(std::string, const unsigned char* data, int size) {
    appendStringToBody("\r\n--");
    appendStringToBody(boundary.c_str());
    appendStringToBody("\r\n");
    appendStringToBody("Content-Disposition: form-data; name=\"file\"; filename=\"fu\"\r\n");
    appendStringToBody("Content-Type: application/octet-stream\r\n\r\n");
    if (size > 0)
        appendBytes(data, (size_t)size);
    appendStringToBody("\r\n--");
    appendStringToBody(boundary.c_str());
    appendStringToBody("--\r\n");
}

unsigned char* HTTPBodyMaker::getBody() { return body.empty() ? nullptr : body.data(); }
