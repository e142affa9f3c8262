// The event service's queue: pushes from other threads, completions, domains, gating.
#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <set>
#include <thread>
#include <vector>

#include "platform/bps.h"
#include "platform/navigator.h"
#include "platform/screen.h"

namespace {

std::atomic<int> completed{0};
void countCompletion(bps_event_t*) { completed++; }

class EventService : public testing::Test {
protected:
    void SetUp() override {
        setenv("ZORBIX_HEADLESS", "1", 1);
        ASSERT_EQ(bps_initialize(), BPS_SUCCESS);
    }
    void TearDown() override { bps_shutdown(); }
};

}  // namespace

TEST_F(EventService, PushesFromOtherThreadsArriveWhole) {
    int domain = bps_register_domain();
    const int threads = 4, perThread = 500;
    completed = 0;
    std::vector<std::thread> pushers;
    for (int t = 0; t < threads; t++)
        pushers.emplace_back([=] {
            for (int i = 0; i < perThread; i++) {
                bps_event_payload_t payload = {(uintptr_t)t, (uintptr_t)i, 0};
                bps_event_t* event = nullptr;
                bps_event_create(&event, domain, 7, &payload, countCompletion);
                bps_push_event(event);
            }
        });
    std::vector<int> nextFrom(threads, 0);
    int received = 0;
    while (received < threads * perThread) {
        bps_event_t* event = nullptr;
        ASSERT_EQ(bps_get_event(&event, 1000), BPS_SUCCESS);
        ASSERT_NE(event, nullptr);
        ASSERT_EQ(bps_event_get_domain(event), domain);
        ASSERT_EQ(bps_event_get_code(event), 7u);
        bps_event_payload_t* p = bps_event_get_payload(event);
        // Each thread's events keep their order.
        ASSERT_EQ((int)p->data2, nextFrom[p->data1]++);
        received++;
    }
    for (auto& t : pushers)
        t.join();
    bps_event_t* none = nullptr;
    EXPECT_EQ(bps_get_event(&none, 0), BPS_SUCCESS);
    EXPECT_EQ(none, nullptr);
    // Every event was completed once the service moved past it.
    EXPECT_EQ(completed, threads * perThread);
}

TEST_F(EventService, WaitsForALatePush) {
    int domain = bps_register_domain();
    std::thread late([=] {
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
        bps_event_t* event = nullptr;
        bps_event_create(&event, domain, 1, nullptr, nullptr);
        bps_push_event(event);
    });
    bps_event_t* event = nullptr;
    EXPECT_EQ(bps_get_event(&event, 5000), BPS_SUCCESS);
    ASSERT_NE(event, nullptr);
    EXPECT_EQ(bps_event_get_domain(event), domain);
    late.join();
}

TEST_F(EventService, DomainsAndGating) {
    std::set<int> domains = {screen_get_domain(), navigator_get_domain()};
    for (int i = 0; i < 5; i++)
        EXPECT_TRUE(domains.insert(bps_register_domain()).second);

    // Nothing is delivered for services whose events were not requested.
    screen_inject_touch(SCREEN_EVENT_MTOUCH_TOUCH, 1, 2, 3);
    navigator_inject_event(NAVIGATOR_EXIT);
    bps_event_t* event = nullptr;
    EXPECT_EQ(bps_get_event(&event, 0), BPS_SUCCESS);
    EXPECT_EQ(event, nullptr);

    screen_context_t context = nullptr;
    ASSERT_EQ(screen_create_context(&context, SCREEN_APPLICATION_CONTEXT), 0);
    ASSERT_EQ(screen_request_events(context), 0);
    screen_inject_touch(SCREEN_EVENT_MTOUCH_MOVE, 11, 22, 33);
    ASSERT_EQ(bps_get_event(&event, 0), BPS_SUCCESS);
    ASSERT_NE(event, nullptr);
    EXPECT_EQ(bps_event_get_domain(event), screen_get_domain());
    screen_event_t touch = screen_event_get_event(event);
    int type = 0, position[2] = {0, 0}, id = 0;
    EXPECT_EQ(screen_get_event_property_iv(touch, SCREEN_PROPERTY_TYPE, &type), 0);
    EXPECT_EQ(screen_get_event_property_iv(touch, SCREEN_PROPERTY_SOURCE_POSITION, position), 0);
    EXPECT_EQ(screen_get_event_property_iv(touch, SCREEN_PROPERTY_TOUCH_ID, &id), 0);
    EXPECT_EQ(type, SCREEN_EVENT_MTOUCH_MOVE);
    EXPECT_EQ(position[0], 11);
    EXPECT_EQ(position[1], 22);
    EXPECT_EQ(id, 33);
    EXPECT_EQ(screen_get_event_property_iv(touch, 9999, &id), -1);
    screen_stop_events(context);
    screen_destroy_context(context);

    // An event that was made but never pushed is destroyed by its maker.
    completed = 0;
    bps_event_t* unsent = nullptr;
    bps_event_create(&unsent, bps_register_domain(), 0, nullptr, countCompletion);
    bps_event_destroy(unsent);
    EXPECT_EQ(completed, 1);
}

TEST_F(EventService, InvokePrintsTheAddressHeadless) {
    testing::internal::CaptureStdout();
    char* error = (char*)1;
    EXPECT_EQ(navigator_invoke("http://example.org/scores", &error), BPS_SUCCESS);
    EXPECT_EQ(error, nullptr);
    navigator_invoke("--help", nullptr);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "http://example.org/scores\n--help\n");
    EXPECT_EQ(navigator_invoke("", nullptr), BPS_FAILURE);
}
