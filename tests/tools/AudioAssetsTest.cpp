// Generated audio: every sound effect the game names, the soundtrack, and the
// same bytes on every run of the generator.
#include <gtest/gtest.h>
#include <mpg123.h>

#include <cmath>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

const std::string kResources = ZORBIX_GAME_DIR "/app/native";

const char* const kSoundNames[] = {"anathema_1",
                                   "anathema_2",
                                   "assault",
                                   "blip1",
                                   "blip2",
                                   "cling",
                                   "cling_long",
                                   "fan",
                                   "fire_qm",
                                   "fire_qm2",
                                   "hell1",
                                   "hell2",
                                   "hit",
                                   "krypto",
                                   "mothership0",
                                   "mothership1",
                                   "mothership2",
                                   "orbit1",
                                   "orbit2",
                                   "planners",
                                   "player_hit",
                                   "pop",
                                   "rolling_cube",
                                   "shots_tele_a",
                                   "shots_tele_b",
                                   "snake",
                                   "sucider_hit",
                                   "sucider_hit_light",
                                   "sucider_short",
                                   "sucider_short_light",
                                   "teleporter_small",
                                   "tik2",
                                   "tik3",
                                   "bonus",
                                   "copter",
                                   "danger",
                                   "death",
                                   "gong",
                                   "gong_final",
                                   "powerup_appeared",
                                   "roulement_tambour",
                                   "spawn"};

std::vector<unsigned char> readAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::vector<unsigned char>((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

unsigned little(const std::vector<unsigned char>& b, size_t at, int bytes) {
    unsigned v = 0;
    for (int i = bytes - 1; i >= 0; i--)
        v = v << 8 | b[at + i];
    return v;
}

// The whole soundtrack as interleaved 16-bit samples.
std::vector<short> decodeTrack(long& rate, int& channels) {
    std::vector<short> pcm;
#if MPG123_API_VERSION < 46
    mpg123_init();
#endif
    mpg123_handle* h = mpg123_new(nullptr, nullptr);
    int encoding = 0;
    if (mpg123_open(h, (kResources + "/zorbix2ost.mp3").c_str()) == MPG123_OK &&
        mpg123_getformat(h, &rate, &channels, &encoding) == MPG123_OK) {
        mpg123_format_none(h);
        mpg123_format(h, rate, channels, MPG123_ENC_SIGNED_16);
        std::vector<unsigned char> chunk(65536);
        size_t done = 0;
        int status;
        do {
            status = mpg123_read(h, chunk.data(), chunk.size(), &done);
            const short* s = reinterpret_cast<const short*>(chunk.data());
            pcm.insert(pcm.end(), s, s + done / 2);
        } while (status == MPG123_OK || status == MPG123_NEW_FORMAT);
        mpg123_close(h);
    }
    mpg123_delete(h);
    return pcm;
}

double rms(const std::vector<short>& s, size_t from, size_t count) {
    double sum = 0.0;
    for (size_t i = from; i < from + count; i++)
        sum += (double)s[i] * s[i];
    return std::sqrt(sum / count);
}

}  // namespace

TEST(AudioAssets, EverySoundEffectIsAShortAudibleMonoWave) {
    for (const char* name : kSoundNames) {
        SCOPED_TRACE(name);
        std::vector<unsigned char> b = readAll(kResources + "/data/sounds/" + name + ".wav");
        ASSERT_GT(b.size(), 44u);
        EXPECT_EQ(std::string(b.begin(), b.begin() + 4), "RIFF");
        EXPECT_EQ(std::string(b.begin() + 8, b.begin() + 16), "WAVEfmt ");
        EXPECT_EQ(little(b, 20, 2), 1u);   // PCM
        EXPECT_EQ(little(b, 22, 2), 1u);   // mono
        EXPECT_EQ(little(b, 34, 2), 16u);  // 16-bit
        unsigned rate = little(b, 24, 4);
        ASSERT_EQ(std::string(b.begin() + 36, b.begin() + 40), "data");
        unsigned bytes = little(b, 40, 4);
        ASSERT_EQ(bytes, b.size() - 44);
        double seconds = bytes / 2.0 / rate;
        EXPECT_GT(seconds, 0.02);
        EXPECT_LE(seconds, 1.05);

        std::vector<short> s(bytes / 2);
        for (size_t i = 0; i < s.size(); i++)
            s[i] = (short)little(b, 44 + 2 * i, 2);
        int peak = 0;
        for (short v : s)
            peak = std::max(peak, std::abs((int)v));
        EXPECT_GT(peak, 8000);                    // clearly audible
        EXPECT_LT(peak, 32767);                   // never clipped
        EXPECT_GT(rms(s, 0, s.size()), 300.0);    // more than a click
        EXPECT_LT(std::abs((int)s.back()), 200);  // ends without a click
    }
}

TEST(AudioAssets, SoundtrackDecodesLoopsAndLastsSeveralMinutes) {
    long rate = 0;
    int channels = 0;
    std::vector<short> pcm = decodeTrack(rate, channels);
    ASSERT_EQ(rate, 44100);
    ASSERT_EQ(channels, 2);
    double seconds = (double)pcm.size() / channels / rate;
    EXPECT_GT(seconds, 120.0);
    EXPECT_LT(seconds, 646.0);  // within the amplitude table's reach
    // Sound at both ends and no jump where the end runs into the start.
    size_t tenth = rate / 10 * channels;
    EXPECT_GT(rms(pcm, 0, tenth), 500.0);
    EXPECT_GT(rms(pcm, pcm.size() - tenth, tenth), 500.0);
    for (int c = 0; c < channels; c++)
        EXPECT_LT(std::abs(pcm[pcm.size() - channels + c] - pcm[c]), 3000) << "channel " << c;
    // Loud throughout, never silent for a whole second.
    for (size_t at = 0; at + rate * channels <= pcm.size(); at += rate * channels)
        ASSERT_GT(rms(pcm, at, rate * channels), 300.0) << "second " << at / (rate * channels);
}

TEST(AudioAssets, GeneratorWritesTheSameBytesEveryRun) {
    const std::string folder = ZORBIX_BINARY_DIR "/audiogen_again";
    std::string command = std::string(ZORBIX_BINARY_DIR "/tools/audiogen/audiogen ") + folder + "/sounds " + folder +
                          "/track.mp3 " + folder + "/table.cpp";
    ASSERT_EQ(std::system(command.c_str()), 0);
    EXPECT_TRUE(readAll(folder + "/track.mp3") == readAll(kResources + "/zorbix2ost.mp3"));
    EXPECT_TRUE(readAll(folder + "/table.cpp") == readAll(ZORBIX_BINARY_DIR "/generated/MusicAmplitudes.cpp"));
    for (const char* name : kSoundNames)
        EXPECT_TRUE(readAll(folder + "/sounds/" + name + ".wav") ==
                    readAll(kResources + "/data/sounds/" + name + ".wav"))
            << name;
    std::system(("rm -rf " + folder).c_str());
}
