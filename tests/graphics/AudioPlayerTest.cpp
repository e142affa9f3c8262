// Music player: idempotent pause and resume, the amplitude, and the renderer
// layer's end-of-track events.
#include <gtest/gtest.h>
#include <mpg123.h>
#include <sys/stat.h>

#include <chrono>
#include <climits>
#include <cmath>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <thread>
#include <vector>

#include "core/Game.h"
#include "core/MainLoop.h"
#include "graphics/AudioPlayer.h"
#include "platform/bps.h"
#include "platform/mmrenderer.h"
#include "savedata/Preferences.h"
#include "support/HeadlessGame.h"

namespace {

// The next renderer event within a few seconds, or null.
bps_event_t* nextRendererEvent() {
    startHeadlessLoop();
    auto until = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (std::chrono::steady_clock::now() < until) {
        bps_event_t* event = nullptr;
        if (bps_get_event(&event, 10) == BPS_SUCCESS && event && bps_event_get_domain(event) == mmrenderer_get_domain())
            return event;
    }
    return nullptr;
}

// Mono sums of 16-bit stereo frames.
std::vector<double> monoOf(const short* s, size_t frames) {
    std::vector<double> out(frames);
    for (size_t i = 0; i < frames; i++)
        out[i] = (double)s[2 * i] + s[2 * i + 1];
    return out;
}

// The first `seconds` of the soundtrack, decoded, in mono.
std::vector<double> trackOpening(double seconds) {
#if MPG123_API_VERSION < 46
    mpg123_init();
#endif
    std::vector<short> pcm((size_t)(seconds * 44100) * 2);
    mpg123_handle* h = mpg123_new(nullptr, nullptr);
    size_t done = 0;
    if (mpg123_open(h, ZORBIX_GAME_DIR "/app/native/zorbix2ost.mp3") == MPG123_OK) {
        mpg123_format_none(h);
        mpg123_format(h, 44100, MPG123_STEREO, MPG123_ENC_SIGNED_16);
        unsigned char* to = reinterpret_cast<unsigned char*>(pcm.data());
        size_t got = 0;
        int status = MPG123_OK;
        while (done < pcm.size() * 2 && (status == MPG123_OK || status == MPG123_NEW_FORMAT)) {
            status = mpg123_read(h, to + done, pcm.size() * 2 - done, &got);
            done += got;
        }
        mpg123_close(h);
    }
    mpg123_delete(h);
    return monoOf(pcm.data(), done / 4);
}

// The frames of a recorded 16-bit stereo wave file, in mono.
std::vector<double> recording(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::vector<unsigned char> b((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    for (size_t at = 12; at + 8 <= b.size();) {
        size_t size = b[at + 4] | b[at + 5] << 8 | b[at + 6] << 16 | (size_t)b[at + 7] << 24;
        if (std::string(b.begin() + at, b.begin() + at + 4) == "data") {
            size_t frames = (b.size() - at - 8) / 4;
            std::vector<short> s(frames * 2);
            for (size_t i = 0; i < s.size(); i++)
                s[i] = (short)(b[at + 8 + 2 * i] | b[at + 9 + 2 * i] << 8);
            return monoOf(s.data(), frames);
        }
        at += 8 + size + (size & 1);
    }
    return {};
}

// Best normalised correlation of `part` against every offset of `whole`.
double bestMatch(const std::vector<double>& whole, const std::vector<double>& part) {
    double partEnergy = 0.0;
    for (double v : part)
        partEnergy += v * v;
    double best = 0.0;
    for (size_t offset = 0; offset + part.size() <= whole.size(); offset++) {
        double dot = 0.0, energy = 0.0;
        for (size_t i = 0; i < part.size(); i++) {
            dot += whole[offset + i] * part[i];
            energy += whole[offset + i] * whole[offset + i];
        }
        if (energy > 0.0)
            best = std::max(best, dot / std::sqrt(energy * partEnergy));
    }
    return best;
}

// True when a renderer event arrives within `ms` milliseconds. The game's own
// music, started with the game, is stopped first.
bool rendererPostsWithin(int ms) {
    startHeadlessLoop();
    AudioPlayer::getInstance()->pauseSong();
    auto until = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
    while (std::chrono::steady_clock::now() < until) {
        bps_event_t* event = nullptr;
        if (bps_get_event(&event, 10) == BPS_SUCCESS && event && bps_event_get_domain(event) == mmrenderer_get_domain())
            return true;
    }
    return false;
}

// Leaves the player paused with the track stopped, whatever a test did.
struct AudioPlayerTest : ::testing::Test {
    AudioPlayer* player = AudioPlayer::getInstance();
    // Tests that made the game before these started its music.
    void SetUp() override { player->pauseSong(); }
    void TearDown() override {
        mmrenderer_set_silent_pace(1.0);
        player->pauseSong();
        // No end-of-track event is left queued once the track is stopped.
        bps_event_t* event = nullptr;
        while (bps_get_event(&event, 0) == BPS_SUCCESS && event) {
        }
        player->setPosition(nullptr);
        Game::frame = 0;
    }
};

}  // namespace

TEST_F(AudioPlayerTest, PauseAndResumeReachTheRendererOnce) {
    ASSERT_TRUE(player->paused);
    int plays = mmrenderer_play_requests(player->context);
    int stops = mmrenderer_stop_requests(player->context);
    player->resumeSong();
    player->resumeSong();
    EXPECT_FALSE(player->paused);
    EXPECT_EQ(mmrenderer_play_requests(player->context), plays + 1);
    player->pauseSong();
    player->pauseSong();
    EXPECT_TRUE(player->paused);
    EXPECT_EQ(mmrenderer_stop_requests(player->context), stops + 1);
}

TEST_F(AudioPlayerTest, TrackUrlPointsIntoTheInstallation) {
    std::string url = player->trackUrl;
    EXPECT_EQ(url, std::string("file://") + player->workingDirectory + "/app/native/zorbix2ost.mp3");
}

TEST_F(AudioPlayerTest, AmplitudePulsesWithTheFrameWithoutASongPosition) {
    Game::frame = 0;
    EXPECT_EQ(player->getAmplitudeOfMusic(), 210);
    Game::frame = 16;
    EXPECT_EQ(player->getAmplitudeOfMusic(), 15);
}

TEST_F(AudioPlayerTest, AmplitudeFollowsTheTableAtTheSongPosition) {
    player->setPosition("1000");
    EXPECT_EQ(player->position, 1000);
    EXPECT_EQ(player->getAmplitudeOfMusic(), 2 * AudioPlayer::amplitudes[60]);
    // The last entry, then past the table: back to the pulse.
    player->setPosition("645549");
    EXPECT_EQ(player->getAmplitudeOfMusic(), 2 * AudioPlayer::amplitudes[38732]);
    Game::frame = 0;
    player->setPosition("645550");
    EXPECT_EQ(player->getAmplitudeOfMusic(), 210);
    // Huge or negative positions neither overflow nor index outside the table.
    for (const char* text : {"99999999999", "2147483647", "-5", "junk"}) {
        player->setPosition(text);
        EXPECT_EQ(player->getAmplitudeOfMusic(), 210) << text;
    }
}

TEST(AmplitudeTable, StartsAsTheTrackDoesAndStaysInRange) {
    const int opening[] = {0, 0, 0, 7, 22, 40, 43, 41, 44, 40};
    for (int i = 0; i < 10; i++)
        EXPECT_EQ(AudioPlayer::amplitudes[i], opening[i]) << i;
    int loudest = 0;
    for (int i = 0; i < AudioPlayer::amplitudesArraySizes; i++) {
        ASSERT_GE(AudioPlayer::amplitudes[i], 0) << i;
        ASSERT_LE(AudioPlayer::amplitudes[i], 262) << i;
        loudest = std::max(loudest, AudioPlayer::amplitudes[i]);
    }
    EXPECT_EQ(loudest, 262);
}

TEST_F(AudioPlayerTest, EndOfTrackIsPostedAsStoppedWithoutError) {
    mmrenderer_set_silent_pace(0.0);
    player->resumeSong();
    bps_event_t* event = nextRendererEvent();
    ASSERT_NE(event, nullptr);
    EXPECT_EQ(bps_event_get_code(event), (unsigned)MMRENDERER_STATE_CHANGE);
    EXPECT_EQ(mmrenderer_event_get_state(event), MMR_STATE_STOPPED);
    EXPECT_EQ(mmrenderer_event_get_error(event)->error_code, 0u);
}

TEST_F(AudioPlayerTest, MainLoopRestartsTheTrackAtItsEndOnlyWhileMusicPlays) {
    startHeadlessLoop();
    struct Case {
        const char* what;
        bool music, playing;
        mmr_state_t state;
        uint32_t error;
        bool restarts;
    } cases[] = {
        {"end of track, music on", true, true, MMR_STATE_STOPPED, MMR_ERROR_NONE, true},
        {"music switched off meanwhile", false, true, MMR_STATE_STOPPED, MMR_ERROR_NONE, false},
        {"paused meanwhile", true, false, MMR_STATE_STOPPED, MMR_ERROR_NONE, false},
        {"stopped by an error", true, true, MMR_STATE_STOPPED, MMR_ERROR_MEDIA_CORRUPTED, false},
        {"another state", true, true, MMR_STATE_PLAYING, MMR_ERROR_NONE, false},
    };
    for (const Case& c : cases) {
        Preferences::getInstance()->setMusicEnabled(c.music);
        if (c.playing)
            player->resumeSong();
        else
            player->pauseSong();
        bps_event_t* event = nullptr;
        bps_event_payload_t payload{(uintptr_t)c.state, c.error, 0};
        ASSERT_EQ(bps_event_create(&event, mmrenderer_get_domain(), MMRENDERER_STATE_CHANGE, &payload, nullptr),
                  BPS_SUCCESS);
        bps_push_event(event);
        int plays = mmrenderer_play_requests(player->context);
        mainLoopFrame();
        EXPECT_EQ(mmrenderer_play_requests(player->context), plays + (c.restarts ? 1 : 0)) << c.what;
        EXPECT_EQ(player->paused, !c.playing) << c.what;
    }

    // The real end of the track, reported by the renderer layer.
    Preferences::getInstance()->setMusicEnabled(true);
    player->pauseSong();
    mmrenderer_set_silent_pace(0.0);
    player->resumeSong();
    int plays = mmrenderer_play_requests(player->context);
    for (int frame = 0; frame < 2000 && mmrenderer_play_requests(player->context) == plays; frame++)
        mainLoopFrame();
    // At least once: with no time passing, the restarted track ends again at once.
    EXPECT_GT(mmrenderer_play_requests(player->context), plays);
    EXPECT_FALSE(player->paused);
}

TEST(Renderer, MissingTrackPlaysNothingAndPostsNothing) {
    startHeadlessLoop();
    AudioPlayer::getInstance()->pauseSong();
    mmr_connection_t* connection = mmr_connect(nullptr);
    mmr_context_t* context = mmr_context_create(connection, "missingtrack", 0, 0500);
    ASSERT_NE(context, nullptr);
    EXPECT_EQ(mmrenderer_request_events("missingtrack", 0, 0), 0);
    EXPECT_GE(mmr_output_attach(context, "audio:default", "audio"), 0);
    EXPECT_EQ(mmr_input_attach(context, "file:///nonexistent/zorbix2ost.mp3", "track"), -1);
    EXPECT_EQ(mmr_input_attach(context, "file://" ZORBIX_GAME_DIR "/app/native/data/sounds/pop.wav", "track"), -1);
    mmrenderer_set_silent_pace(0.0);
    EXPECT_EQ(mmr_play(context), -1);
    EXPECT_FALSE(rendererPostsWithin(100));
    mmrenderer_set_silent_pace(1.0);
    EXPECT_EQ(mmr_context_destroy(context), 0);
    mmr_disconnect(connection);
}

TEST(Renderer, StopKeepsTheTrackAndOnlyRequestedContextsPostEvents) {
    startHeadlessLoop();
    AudioPlayer::getInstance()->pauseSong();
    mmr_connection_t* connection = mmr_connect(nullptr);
    mmr_context_t* context = mmr_context_create(connection, "unrequested", 0, 0500);
    mmr_output_attach(context, "audio:default", "audio");
    ASSERT_EQ(mmr_input_attach(context, "file://" ZORBIX_GAME_DIR "/app/native/zorbix2ost.mp3", "track"), 0);
    mmrenderer_set_silent_pace(1.0);
    EXPECT_EQ(mmr_play(context), 0);
    EXPECT_EQ(mmr_stop(context), 0);
    mmrenderer_set_silent_pace(0.0);
    EXPECT_EQ(mmr_play(context), 0);
    EXPECT_FALSE(rendererPostsWithin(200));
    mmrenderer_set_silent_pace(1.0);
    mmr_context_destroy(context);
    mmr_disconnect(connection);
}

// A process of its own: OpenAL picks its output once.
TEST(MusicOutput, TrackIsStreamedToTheAudioDevice) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    const std::string folder = ZORBIX_BINARY_DIR "/music_output_test";
    mkdir(folder.c_str(), 0755);
    const std::string config = folder + "/alsoft.conf";
    const std::string output = folder + "/music.wav";
    remove(output.c_str());
    std::ofstream(config) << "[general]\nfrequency = 44100\nchannels = stereo\nsample-type = int16\n"
                          << "[wave]\nfile = " << output << "\n";
    EXPECT_EXIT(
        {
            setenv("ALSOFT_CONF", config.c_str(), 1);
            setenv("ALSOFT_DRIVERS", "wave", 1);
            unsetenv("ZORBIX_HEADLESS");
            AudioPlayer::getInstance()->resumeSong();
            // Until 1.2 s of sound is written (a busy machine may starve the
            // stream for a while; the excerpt is then found further on).
            const long enough = 44 + 44100L * 4 * 12 / 10;
            for (int waited = 0; waited < 15000; waited += 50) {
                struct stat st;
                if (stat(output.c_str(), &st) == 0 && st.st_size >= enough)
                    break;
                std::this_thread::sleep_for(std::chrono::milliseconds(50));
            }
            AudioPlayer::getInstance()->pauseSong();
            exit(0);  // the renderer closes its device at exit: the recording is complete
        },
        testing::ExitedWithCode(0), "");
    std::vector<double> recorded = recording(output);
    std::vector<double> opening = trackOpening(0.5);
    ASSERT_GT(opening.size(), 20000u);
    ASSERT_GT(recorded.size(), 20000u);
    // A tenth of a second from early in the track is found in what was played.
    std::vector<double> excerpt(opening.begin() + 11025, opening.begin() + 11025 + 4410);
    EXPECT_GT(bestMatch(recorded, excerpt), 0.95);
    remove(output.c_str());
    remove(config.c_str());
    rmdir(folder.c_str());
}

// A process of its own per case: the player is made once. Deferred, nothing
// reaches the renderer before open, which plays the song only if it was
// left resumed.
TEST(MusicStart, ADeferredPlayerOpensWithTheSongAsLastAsked) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    struct Case {
        const char* what;
        int resumes, pauses, plays;
    } cases[] = {
        {"never resumed", 0, 0, 0},
        {"resumed", 1, 0, 1},
        {"resumed twice", 2, 0, 1},
        {"resumed then paused", 1, 1, 0},
    };
    for (const Case& c : cases) {
        EXPECT_EXIT(
            {
                AudioPlayer::deferOpening();
                AudioPlayer* player = AudioPlayer::getInstance();
                for (int i = 0; i < c.resumes; i++)
                    player->resumeSong();
                for (int i = 0; i < c.pauses; i++)
                    player->pauseSong();
                if (player->opened || player->context)
                    exit(3);
                player->open();
                player->open();
                if (!player->context)
                    exit(4);
                exit(mmrenderer_play_requests(player->context) == c.plays &&
                             mmrenderer_stop_requests(player->context) == 0
                         ? 0
                         : 5);
            },
            testing::ExitedWithCode(0), "")
            << c.what;
    }
}
