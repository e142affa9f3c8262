// The multipart body of score uploads, byte for byte in the server's layout.
#include <gtest/gtest.h>

#include "savedata/HTTPBodyMaker.h"

namespace {
const std::string boundary = "-----------------------2971687616";

std::string bytes(HTTPBodyMaker& body) {
    return body.getBodySize() ? std::string((const char*)body.getBody(), (size_t)body.getBodySize()) : "";
}

std::string part(const std::string& name, const std::string& value) {
    return "\r\n--" + boundary + "\r\nContent-Disposition: form-data; name=\"" + name + "\"\r\n" + value;
}

std::string filePart(const std::string& data) {
    return "\r\n--" + boundary +
           "\r\nContent-Disposition: form-data; name=\"file\"; filename=\"fu\"\r\n"
           "Content-Type: application/octet-stream\r\n\r\n" +
           data + "\r\n--" + boundary + "--\r\n";
}
}  // namespace

TEST(HTTPBodyMakerTest, FieldsInTheServersLayout) {
    HTTPBodyMaker body;
    EXPECT_EQ(body.getBody(), nullptr);
    EXPECT_EQ(body.getBodySize(), 0);
    EXPECT_EQ(body.getBoundary(), boundary);
    body.addField("nickName", "AB");
    EXPECT_EQ(body.getBodySize(), 90);
    EXPECT_EQ(bytes(body), part("nickName", "AB"));
    body.addField("score", -7);
    body.addField("empty", "");
    body.addField("cut", std::string("a\0b", 3));
    EXPECT_EQ(bytes(body), part("nickName", "AB") + part("score", "-7") + part("empty", "") + part("cut", "a"));
    body.appendStringToBody(nullptr);
    body.appendStringToBody("");
    EXPECT_EQ(body.getBodySize(), (int)bytes(body).size());
}

TEST(HTTPBodyMakerTest, FilePartKeepsEveryByteAndCloses) {
    HTTPBodyMaker empty;
    empty.addFile("replay", nullptr, 0);
    EXPECT_EQ(bytes(empty), filePart(""));

    std::string data("\0\n\r\0\xff", 5);
    HTTPBodyMaker body;
    body.addField("hash", "H");
    body.addFile("ignored", (const unsigned char*)data.data(), (int)data.size());
    EXPECT_EQ(bytes(body), part("hash", "H") + filePart(data));
}
