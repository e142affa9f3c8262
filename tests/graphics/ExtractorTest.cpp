// Wave file reader: mono and stereo files, the optional fact chunk, and files
// whose header lies about their rate or size.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "graphics/Extractor.h"

namespace {

void put16(std::vector<unsigned char>& b, unsigned v) {
    b.push_back(v & 0xFF);
    b.push_back((v >> 8) & 0xFF);
}
void put32(std::vector<unsigned char>& b, unsigned long v) {
    put16(b, v & 0xFFFF);
    put16(b, (v >> 16) & 0xFFFF);
}
void tag(std::vector<unsigned char>& b, const char* t) { b.insert(b.end(), t, t + 4); }

struct Wave {
    unsigned channels = 1;
    unsigned long rate = 22050;
    unsigned bits = 16;
    unsigned format = 1;
    unsigned formatSize = 16;
    bool fact = false;
    long declaredDataSize = -1;  // -1: the real size
    std::vector<unsigned char> samples;

    std::vector<unsigned char> bytes() const {
        std::vector<unsigned char> b;
        tag(b, "RIFF");
        put32(b, 0);
        tag(b, "WAVE");
        tag(b, "fmt ");
        put32(b, formatSize);
        put16(b, format);
        put16(b, channels);
        put32(b, rate);
        put32(b, rate * channels * 2);
        put16(b, channels * 2);
        put16(b, bits);
        for (unsigned i = 16; i < formatSize && i < 64; i++)
            b.push_back(0);  // larger sizes lie
        if (fact) {
            tag(b, "fact");
            put32(b, 4);
            put32(b, (unsigned long)samples.size() / 2);
        }
        tag(b, "data");
        put32(b, declaredDataSize >= 0 ? (unsigned long)declaredDataSize : samples.size());
        b.insert(b.end(), samples.begin(), samples.end());
        return b;
    }
};

struct ExtractorTest : ::testing::Test {
    char folder[32] = "/tmp/zorbix_wave_XXXXXX";
    std::string path;
    void SetUp() override {
        ASSERT_NE(mkdtemp(folder), nullptr);
        path = std::string(folder) + "/test.wav";
    }
    void TearDown() override {
        remove(path.c_str());
        rmdir(folder);
    }
    AudioData* load(const std::vector<unsigned char>& bytes) {
        FILE* f = fopen(path.c_str(), "wb");
        if (!bytes.empty())
            fwrite(bytes.data(), 1, bytes.size(), f);
        fclose(f);
        return extractor.loadWaveFile(path.c_str());
    }
    Extractor extractor;
};

std::vector<unsigned char> rampSamples(int count) {
    std::vector<unsigned char> s;
    for (int i = 0; i < count; i++)
        put16(s, (unsigned)(int16_t)(i * 7 - 3000));
    return s;
}

}  // namespace

TEST_F(ExtractorTest, MonoFileGivesPairsOfEqualSamples) {
    Wave w;
    w.samples = rampSamples(1000);
    AudioData* data = load(w.bytes());
    ASSERT_NE(data, nullptr);
    EXPECT_EQ(data->frameCount, 1000);
    EXPECT_FALSE(data->stereo);
    for (int i = 0; i < 1000; i++) {
        ASSERT_EQ((*data)[i].left, i * 7 - 3000);
        ASSERT_EQ((*data)[i].right, (*data)[i].left);
    }
    EXPECT_EQ(data->getLengthInMs(), 1000 / 22);
    EXPECT_EQ(data->msToSampleNo(1000), 22050);
}

TEST_F(ExtractorTest, StereoFileWithFactChunkAndLongFormatChunk) {
    Wave w;
    w.channels = 2;
    w.formatSize = 18;
    w.fact = true;
    put16(w.samples, 0x8000);  // bytes 0x00, 0x80: the lowest sample
    put16(w.samples, 0x7FFF);
    put16(w.samples, 1);
    put16(w.samples, 0xFFFF);
    AudioData* data = load(w.bytes());
    ASSERT_NE(data, nullptr);
    EXPECT_TRUE(data->stereo);
    EXPECT_EQ(data->sampleCount, 4);
    ASSERT_EQ(data->frameCount, 2);
    EXPECT_EQ((*data)[0].left, -32768);
    EXPECT_EQ((*data)[0].right, 32767);
    EXPECT_EQ((*data)[1].left, 1);
    EXPECT_EQ((*data)[1].right, -1);
}

TEST_F(ExtractorTest, RejectsFilesItCannotReadSafely) {
    struct Case {
        const char* what;
        Wave wave;
    };
    Wave base;
    base.samples = rampSamples(100);
    std::vector<Case> cases;
    auto with = [&](const char* what, auto change) {
        Wave w = base;
        change(w);
        cases.push_back({what, w});
    };
    with("rate below 1000 (length would divide by zero)", [](Wave& w) { w.rate = 999; });
    with("rate 0", [](Wave& w) { w.rate = 0; });
    with("data size beyond the file", [](Wave& w) { w.declaredDataSize = 0x7FFFFFF0; });
    with("data size one past the file", [](Wave& w) { w.declaredDataSize = 201; });
    with("8-bit samples", [](Wave& w) { w.bits = 8; });
    with("compressed format", [](Wave& w) { w.format = 3; });
    with("three channels", [](Wave& w) { w.channels = 3; });
    with("format chunk shorter than 16", [](Wave& w) { w.formatSize = 12; });
    with("format chunk past the end", [](Wave& w) { w.formatSize = 100000; });
    for (const Case& c : cases)
        EXPECT_EQ(load(c.wave.bytes()), nullptr) << c.what;

    std::vector<unsigned char> good = base.bytes();
    EXPECT_NE(load(good), nullptr);
    for (size_t cut : {0, 10, 35, 40, 44, 100}) {
        std::vector<unsigned char> truncated(good.begin(), good.begin() + cut);
        EXPECT_EQ(load(truncated), nullptr) << "cut at " << cut;
    }
    std::vector<unsigned char> notWave = good;
    notWave[8] = 'X';
    EXPECT_EQ(load(notWave), nullptr);
    EXPECT_EQ(extractor.loadWaveFile("/nonexistent/sound.wav"), nullptr);
    EXPECT_EQ(extractor.audioData, nullptr);
}

TEST(ExtractorRead, ReadBytesStopsAtTheEndOfTheFile) {
    int fds[2];
    ASSERT_EQ(pipe(fds), 0);
    std::vector<unsigned char> payload(10000, 0x5A);
    ASSERT_EQ(write(fds[1], payload.data(), payload.size()), (ssize_t)payload.size());
    close(fds[1]);
    std::vector<unsigned char> buffer(10001);
    EXPECT_TRUE(Extractor::readBytes(fds[0], buffer.data(), 0));
    EXPECT_TRUE(Extractor::readBytes(fds[0], buffer.data(), 9000));
    EXPECT_EQ(buffer[8999], 0x5A);
    EXPECT_FALSE(Extractor::readBytes(fds[0], buffer.data(), 1001));
    close(fds[0]);
}
