// Music player: idempotent pause and resume, the amplitude, and the renderer
// layer's end-of-track events.
#include <gtest/gtest.h>

#include <chrono>
#include <climits>

#include "core/Game.h"
#include "graphics/AudioPlayer.h"
#include "platform/bps.h"
#include "platform/mmrenderer.h"

namespace {

// The next renderer event within a few seconds, or null.
bps_event_t* nextRendererEvent() {
    auto until = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (std::chrono::steady_clock::now() < until) {
        bps_event_t* event = nullptr;
        if (bps_get_event(&event, 10) == BPS_SUCCESS && event && bps_event_get_domain(event) == mmrenderer_get_domain())
            return event;
    }
    return nullptr;
}

// Leaves the player paused with the track stopped, whatever a test did.
struct AudioPlayerTest : ::testing::Test {
    AudioPlayer* player = AudioPlayer::getInstance();
    void TearDown() override {
        player->pauseSong();
        player->setPosition(nullptr);
        mmrenderer_set_silent_pace(1.0);
        Game::frame = 0;
    }
};

} // namespace

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
    for (int i = 0; i < 10; i++) EXPECT_EQ(AudioPlayer::amplitudes[i], opening[i]) << i;
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

TEST(Renderer, MissingTrackPlaysNothingAndPostsNothing) {
    mmr_connection_t* connection = mmr_connect(nullptr);
    mmr_context_t* context = mmr_context_create(connection, "missingtrack", 0, 0500);
    ASSERT_NE(context, nullptr);
    EXPECT_EQ(mmrenderer_request_events("missingtrack", 0, 0), 0);
    EXPECT_GE(mmr_output_attach(context, "audio:default", "audio"), 0);
    EXPECT_EQ(mmr_input_attach(context, "file:///nonexistent/zorbix2ost.mp3", "track"), -1);
    EXPECT_EQ(mmr_input_attach(context, "file://" ZORBIX_GAME_DIR "/app/native/data/sounds/pop.wav", "track"), -1);
    mmrenderer_set_silent_pace(0.0);
    EXPECT_EQ(mmr_play(context), -1);
    bps_event_t* event = nullptr;
    bps_get_event(&event, 50);
    EXPECT_EQ(event, nullptr);
    mmrenderer_set_silent_pace(1.0);
    EXPECT_EQ(mmr_context_destroy(context), 0);
    mmr_disconnect(connection);
}

TEST(Renderer, StopKeepsTheTrackAndOnlyRequestedContextsPostEvents) {
    mmr_connection_t* connection = mmr_connect(nullptr);
    mmr_context_t* context = mmr_context_create(connection, "unrequested", 0, 0500);
    mmr_output_attach(context, "audio:default", "audio");
    ASSERT_EQ(mmr_input_attach(context, "file://" ZORBIX_GAME_DIR "/app/native/zorbix2ost.mp3", "track"), 0);
    mmrenderer_set_silent_pace(1.0);
    EXPECT_EQ(mmr_play(context), 0);
    EXPECT_EQ(mmr_stop(context), 0);
    mmrenderer_set_silent_pace(0.0);
    EXPECT_EQ(mmr_play(context), 0);
    bps_event_t* event = nullptr;
    bps_get_event(&event, 200);
    EXPECT_EQ(event, nullptr);
    mmrenderer_set_silent_pace(1.0);
    mmr_context_destroy(context);
    mmr_disconnect(connection);
}
