// Event service: a locked queue of events, fed by the back end and by pushes.
#include "platform/bps.h"

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <deque>
#include <mutex>

#include "platform/Backend.h"

struct bps_event_t {
    int domain;
    unsigned int code;
    bps_event_payload_t payload;
    void (*completion)(bps_event_t*);
};

namespace {

void dispose(bps_event_t* event);

// Events still queued when the program ends (a song that ended after the last
// drain, in a program that never shut the service down) are disposed of with
// the queue.
struct EventQueue : std::deque<bps_event_t*> {
    ~EventQueue() {
        for (bps_event_t* event : *this)
            dispose(event);
    }
};

std::mutex queueLock;
std::condition_variable queueSignal;
EventQueue queue;
int initCount = 0;
// The event handed out last; disposed of at the next call.
bps_event_t* handedOut = nullptr;
// True when the previous bps_get_event found nothing: the next call starts a
// new drain, that is a new frame for the back end.
bool drainEnded = true;
// Domains 1 to 3 are the built-in services; registered ones follow.
std::atomic<int> nextDomain{4};

void dispose(bps_event_t* event) {
    if (!event)
        return;
    if (event->completion)
        event->completion(event);
    delete event;
}

bps_event_t* popFront() {
    std::lock_guard<std::mutex> hold(queueLock);
    if (queue.empty())
        return nullptr;
    bps_event_t* event = queue.front();
    queue.pop_front();
    return event;
}

}  // namespace

int bps_initialize() {
    if (initCount > 0) {
        initCount++;
        return BPS_SUCCESS;
    }
    if (!platformBackend()->start())
        return BPS_FAILURE;
    initCount = 1;
    drainEnded = true;
    return BPS_SUCCESS;
}

void bps_shutdown() {
    if (initCount == 0 || --initCount > 0)
        return;
    dispose(handedOut);
    handedOut = nullptr;
    while (bps_event_t* event = popFront())
        dispose(event);
    platformBackend()->stop();
}

int bps_get_event(bps_event_t** event, int timeout_ms) {
    if (!event)
        return BPS_FAILURE;
    *event = nullptr;
    dispose(handedOut);
    handedOut = nullptr;
    if (initCount == 0)
        return BPS_FAILURE;
    if (drainEnded)
        platformBackend()->beginFrame();
    platformBackend()->pump();
    bps_event_t* next = popFront();
    if (!next && timeout_ms > 0) {
        std::unique_lock<std::mutex> hold(queueLock);
        queueSignal.wait_for(hold, std::chrono::milliseconds(timeout_ms), [] { return !queue.empty(); });
        if (!queue.empty()) {
            next = queue.front();
            queue.pop_front();
        }
    }
    drainEnded = next == nullptr;
    handedOut = next;
    *event = next;
    return BPS_SUCCESS;
}

int bps_event_get_domain(bps_event_t* event) { return event ? event->domain : -1; }

unsigned int bps_event_get_code(bps_event_t* event) { return event ? event->code : 0; }

bps_event_payload_t* bps_event_get_payload(bps_event_t* event) { return event ? &event->payload : nullptr; }

int bps_register_domain() {
    int domain = nextDomain.fetch_add(1);
    return domain > 0 ? domain : -1;
}

int bps_event_create(bps_event_t** event, int domain, unsigned int code, const bps_event_payload_t* payload,
                     void (*completion)(bps_event_t*)) {
    if (!event)
        return BPS_FAILURE;
    bps_event_t* made = new bps_event_t;
    made->domain = domain;
    made->code = code;
    made->payload = payload ? *payload : bps_event_payload_t{0, 0, 0};
    made->completion = completion;
    *event = made;
    return BPS_SUCCESS;
}

void bps_event_destroy(bps_event_t* event) { dispose(event); }

int bps_push_event(bps_event_t* event) {
    if (!event)
        return BPS_FAILURE;
    {
        std::lock_guard<std::mutex> hold(queueLock);
        queue.push_back(event);
    }
    queueSignal.notify_one();
    return BPS_SUCCESS;
}
