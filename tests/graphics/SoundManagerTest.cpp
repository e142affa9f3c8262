// Sound effects: the pool of sources, positioning, loading by name, and what a
// real mix and a missing device do.
#include <AL/al.h>
#include <AL/alut.h>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <cmath>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <thread>
#include <vector>

#include "graphics/AudioPlayer.h"
#include "graphics/SoundManager.h"
#include "platform/mmrenderer.h"

namespace {

const std::string kSounds = "/data/sounds/";

ALint sourceInt(ALuint source, ALenum what) {
    ALint value = 0;
    alGetSourcei(source, what, &value);
    return value;
}

float sourceFloat(ALuint source, ALenum what) {
    ALfloat value = 0;
    alGetSourcef(source, what, &value);
    return value;
}

// The 16-bit samples of a wave file's "data" chunk, whatever its format chunk says.
std::vector<short> waveSamples(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::vector<unsigned char> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    std::vector<short> samples;
    for (size_t at = 12; at + 8 <= bytes.size();) {
        size_t size = bytes[at + 4] | bytes[at + 5] << 8 | bytes[at + 6] << 16 | (size_t)bytes[at + 7] << 24;
        if (std::string(bytes.begin() + at, bytes.begin() + at + 4) == "data") {
            for (size_t i = at + 8; i + 1 < bytes.size(); i += 2)
                samples.push_back((short)(bytes[i] | bytes[i + 1] << 8));
            break;
        }
        at += 8 + size + (size & 1);
    }
    return samples;
}

// Best normalised correlation of `effect` against every offset of `mix`, and
// the offset where it is found.
double bestMatch(const std::vector<short>& mix, const std::vector<short>& effect, size_t* at = nullptr) {
    double effectEnergy = 0.0;
    for (short s : effect)
        effectEnergy += (double)s * s;
    double best = 0.0;
    for (size_t offset = 0; offset + effect.size() <= mix.size(); offset++) {
        double dot = 0.0, energy = 0.0;
        for (size_t i = 0; i < effect.size(); i++) {
            dot += (double)mix[offset + i] * effect[i];
            energy += (double)mix[offset + i] * mix[offset + i];
        }
        if (energy > 0.0 && dot / std::sqrt(energy * effectEnergy) > best) {
            best = dot / std::sqrt(energy * effectEnergy);
            if (at)
                *at = offset;
        }
    }
    return best;
}

struct SoundManagerTest : ::testing::Test {
    SoundManager* sounds = SoundManager::getInstance();
    // Every test starts with all sources stopped and empty, whatever ran before.
    void SetUp() override {
        ASSERT_TRUE(sounds->hasDevice) << "OpenAL's null output is expected in tests";
        stopAllSources();
    }
    void TearDown() override {
        stopAllSources();
        sounds->enabled = true;
        sounds->setRollOffFactor(10.0f);
        Coord origin;
        sounds->setListenerPosition(origin);
    }
    void stopAllSources() {
        for (ALuint s : sounds->sources) {
            alSourceStop(s);
            alSourcei(s, AL_BUFFER, 0);
        }
        alGetError();
    }
};

}  // namespace

TEST_F(SoundManagerTest, SourcesStartWithTheFixedSettings) {
    EXPECT_EQ(alGetInteger(AL_DISTANCE_MODEL), AL_INVERSE_DISTANCE_CLAMPED);
    for (ALuint s : sounds->sources) {
        ASSERT_TRUE(alIsSource(s));
        EXPECT_FLOAT_EQ(sourceFloat(s, AL_REFERENCE_DISTANCE), 1.0f);
        EXPECT_FLOAT_EQ(sourceFloat(s, AL_ROLLOFF_FACTOR), 10.0f);
        EXPECT_FLOAT_EQ(sourceFloat(s, AL_MAX_DISTANCE), 700.0f);
        EXPECT_EQ(sourceInt(s, AL_LOOPING), AL_FALSE);
    }
}

TEST_F(SoundManagerTest, DisabledSoundsLoadNothingAndKeepTheSource) {
    sounds->enabled = false;
    int before = sounds->nextSource;
    Coord somewhere(10.0f, 10.0f, 0.0f);
    sounds->playSound(kSounds + "gong.caf");
    sounds->playSound(kSounds + "gong.caf", somewhere);
    EXPECT_EQ(sounds->nextSource, before);
    EXPECT_EQ(SoundManager::buffers.count(kSounds + "gong.caf"), 0u);
}

TEST_F(SoundManagerTest, HundredPlaysComeBackToTheSameSource) {
    int start = sounds->nextSource;
    for (int i = 0; i < 100; i++) {
        ALuint source = sounds->sources[sounds->nextSource];
        sounds->playSound(kSounds + "tik2.caf");
        ASSERT_EQ((ALuint)sourceInt(source, AL_BUFFER), sounds->getSoundBuffer(kSounds + "tik2.caf")->bufferName);
    }
    EXPECT_EQ(sounds->nextSource, start);
}

TEST_F(SoundManagerTest, PositionedSoundIsRelativeToTheShipTurnedAndScaled) {
    Coord ship(10.0f, 20.0f, 0.0f);
    sounds->setListenerPosition(ship);
    ALfloat listener[3];
    alGetListenerfv(AL_POSITION, listener);
    EXPECT_FLOAT_EQ(listener[0], -20.0f);
    EXPECT_FLOAT_EQ(listener[1], 10.0f);

    ALuint source = sounds->sources[sounds->nextSource];
    Coord enemy(40.0f, -30.0f, 0.0f);
    sounds->playSound(kSounds + "pop.caf", enemy);
    EXPECT_EQ(sourceInt(source, AL_SOURCE_RELATIVE), AL_TRUE);
    ALfloat x, y, z;
    alGetSource3f(source, AL_POSITION, &x, &y, &z);
    EXPECT_FLOAT_EQ(x, (30.0f + 20.0f) / 5.0f);
    EXPECT_FLOAT_EQ(y, (40.0f - 10.0f) / 5.0f);
    EXPECT_FLOAT_EQ(z, 0.0f);

    ALuint plain = sounds->sources[sounds->nextSource];
    sounds->playSound(kSounds + "pop.caf");
    alGetSource3f(plain, AL_POSITION, &x, &y, &z);
    EXPECT_EQ(sourceInt(plain, AL_SOURCE_RELATIVE), AL_TRUE);
    EXPECT_EQ(x, 0.0f);
    EXPECT_EQ(y, 0.0f);
}

TEST_F(SoundManagerTest, RollOffFactorReachesEverySource) {
    sounds->setRollOffFactor(0.3f);
    for (ALuint s : sounds->sources)
        ASSERT_FLOAT_EQ(sourceFloat(s, AL_ROLLOFF_FACTOR), 0.3f);
    sounds->setRollOffFactor(10.0f);
    for (ALuint s : sounds->sources)
        ASSERT_FLOAT_EQ(sourceFloat(s, AL_ROLLOFF_FACTOR), 10.0f);
}

TEST_F(SoundManagerTest, CafNamesReadTheWaveFileBesideThem) {
    std::ifstream wav(ZORBIX_GAME_DIR "/app/native/data/sounds/cling.wav", std::ios::binary | std::ios::ate);
    ASSERT_TRUE(wav);
    ALint expectedSize = (ALint)wav.tellg() - 44;  // a plain 44-byte header
    for (const char* name : {"cling.caf", "cling.xyz"}) {
        SoundBuffer* buffer = sounds->getSoundBuffer(kSounds + name);
        ASSERT_NE(buffer->bufferName, 0u) << name;
        ALint size = 0, frequency = 0;
        alGetBufferi(buffer->bufferName, AL_SIZE, &size);
        alGetBufferi(buffer->bufferName, AL_FREQUENCY, &frequency);
        EXPECT_EQ(size, expectedSize) << name;
        EXPECT_EQ(frequency, 22050) << name;
        // Loaded once: the same buffer on every later request.
        EXPECT_EQ(sounds->getSoundBuffer(kSounds + name), buffer);
    }
}

TEST_F(SoundManagerTest, MissingFilePlaysNothingNotTheSoundLeftOnTheSource) {
    int slot = sounds->nextSource;
    ALuint source = sounds->sources[slot];
    sounds->playSound(kSounds + "cling_long.caf");
    alSourceStop(source);
    sounds->nextSource = slot;

    // The standard output belongs to the tools' results: the diagnostic is one
    // whole line on the standard error stream, naming the sound.
    testing::internal::CaptureStdout();
    testing::internal::CaptureStderr();
    sounds->playSound(kSounds + "no_such_sound.caf");
    std::string said = testing::internal::GetCapturedStderr();
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "");
    EXPECT_THAT(said, testing::HasSubstr("no_such_sound"));
    EXPECT_EQ(said.find('\n'), said.size() - 1) << said;
    EXPECT_EQ(sounds->getSoundBuffer(kSounds + "no_such_sound.caf")->bufferName, 0u);
    EXPECT_EQ(sounds->nextSource, (slot + 1) % SoundManager::kSourceCount);
    EXPECT_NE(sourceInt(source, AL_SOURCE_STATE), AL_PLAYING);
    for (ALuint s : sounds->sources)
        EXPECT_NE(sourceInt(s, AL_SOURCE_STATE), AL_PLAYING);
}

TEST_F(SoundManagerTest, ShortNamesDoNotThrow) {
    testing::internal::CaptureStderr();
    Coord here;
    EXPECT_NO_THROW(sounds->playSound(""));
    EXPECT_NO_THROW(sounds->playSound("ab"));
    EXPECT_NO_THROW(sounds->playSound("x", here));
    testing::internal::GetCapturedStderr();
    EXPECT_EQ(sounds->getSoundBuffer("ab")->bufferName, 0u);
}

// Each of these needs a process of its own: OpenAL picks its output once.
TEST(SoundOutput, PlayedEffectIsFoundInTheRecordedMix) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    // A fixed place: the child process runs this test body again and must
    // find the same files.
    const std::string folder = ZORBIX_BINARY_DIR "/sound_mix_test";
    mkdir(folder.c_str(), 0755);
    const std::string config = folder + "/alsoft.conf";
    const std::string recording = folder + "/mix.wav";
    remove(recording.c_str());
    std::ofstream(config) << "[general]\nfrequency = 22050\nchannels = mono\nsample-type = int16\n"
                          << "[wave]\nfile = " << recording << "\n";
    EXPECT_EXIT(
        {
            setenv("ALSOFT_CONF", config.c_str(), 1);
            setenv("ALSOFT_DRIVERS", "wave", 1);
            SoundManager* sounds = SoundManager::getInstance();
            if (!sounds->hasDevice)
                exit(2);
            // At the ship: full volume. Then 3500 world units away: the
            // clamped minimum gain, about 1/7000, below one step of 16 bits.
            Coord ship(100.0f, 100.0f, 0.0f);
            Coord far(100.0f, 3600.0f, 0.0f);
            sounds->setListenerPosition(ship);
            sounds->playSound(kSounds + "blip2.caf", ship);
            std::this_thread::sleep_for(std::chrono::milliseconds(300));
            sounds->playSound(kSounds + "blip2.caf", far);
            std::this_thread::sleep_for(std::chrono::milliseconds(300));
            alutExit();  // closes the device: the recording is complete
            exit(0);
        },
        testing::ExitedWithCode(0), "");
    std::vector<short> mix = waveSamples(recording);
    std::vector<short> effect = waveSamples(ZORBIX_GAME_DIR "/app/native/data/sounds/blip2.wav");
    ASSERT_FALSE(effect.empty());
    ASSERT_GE(mix.size(), effect.size());
    size_t at = 0;
    EXPECT_GT(bestMatch(mix, effect, &at), 0.95);
    int nearPeak = 0, farPeak = 0, effectPeak = 0;
    for (short s : effect)
        effectPeak = std::max(effectPeak, std::abs((int)s));
    for (size_t i = at; i < at + effect.size(); i++)
        nearPeak = std::max(nearPeak, std::abs((int)mix[i]));
    for (size_t i = at + effect.size() + 220; i < mix.size(); i++)
        farPeak = std::max(farPeak, std::abs((int)mix[i]));
    EXPECT_NEAR(nearPeak, effectPeak, effectPeak / 10);
    EXPECT_LT(farPeak, 50);
    remove(recording.c_str());
    remove(config.c_str());
    rmdir(folder.c_str());
}

TEST(SoundOutput, WithoutAnAudioDeviceTheGameRunsSilentAndSaysSoOnce) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    auto saidOnce = [](const std::string& err) {
        const std::string line = "No audio device";
        size_t first = err.find(line);
        return first != std::string::npos && err.find(line, first + 1) == std::string::npos;
    };
    EXPECT_EXIT(
        {
            setenv("ALSOFT_DRIVERS", "no-such-output", 1);
            unsetenv("ZORBIX_HEADLESS");
            SoundManager* sounds = SoundManager::getInstance();
            Coord somewhere(5.0f, 5.0f, 0.0f);
            sounds->playSound(kSounds + "pop.caf");
            sounds->playSound(kSounds + "pop.caf", somewhere);
            sounds->setRollOffFactor(0.3f);
            sounds->setListenerPosition(somewhere);
            // The music then finds no device either and plays silently.
            AudioPlayer::getInstance()->resumeSong();
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
            exit(sounds->hasDevice ? 3 : 0);
        },
        testing::ExitedWithCode(0), testing::Truly(saidOnce));
}

// ALSA that finds no card, as on a server: the libraries stay quiet and the
// game says its one line, nothing else.
TEST(SoundOutput, WithoutASoundCardOnlyTheGamesOwnLineIsPrinted) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    const std::string config = ZORBIX_BINARY_DIR "/no_sound_card.conf";
    std::ofstream(config) << "# no cards, no devices\n";
    EXPECT_EXIT(
        {
            setenv("ALSOFT_DRIVERS", "alsa", 1);
            setenv("ALSA_CONFIG_PATH", config.c_str(), 1);
            unsetenv("ALSOFT_LOGLEVEL");
            unsetenv("ZORBIX_HEADLESS");
            SoundManager* sounds = SoundManager::getInstance();
            AudioPlayer::getInstance()->resumeSong();
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
            exit(sounds->hasDevice ? 3 : 0);
        },
        testing::ExitedWithCode(0), testing::Eq("No audio device: the game runs without sound.\n"));
}

// A deferred device opens at the first play, with the roll-off set before it.
TEST(SoundOutput, ADeferredDeviceOpensAtTheFirstPlay) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            SoundManager::deferDevice();
            SoundManager* sounds = SoundManager::getInstance();
            if (sounds->hasDevice)
                exit(3);
            sounds->setRollOffFactor(0.3f);
            sounds->playSound(kSounds + "pop.caf");
            ALfloat rollOff = 0.0f;
            alGetSourcef(sounds->sources[0], AL_ROLLOFF_FACTOR, &rollOff);
            exit(sounds->hasDevice && rollOff == 0.3f ? 0 : 4);
        },
        testing::ExitedWithCode(0), "");
}
