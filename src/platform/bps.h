// Event service: the one queue of platform events that the main loop polls.
//
// Shaped like the tablet's event service: events belong to a domain (screen,
// navigator, audio device, or one registered at run time), carry a code and a
// payload of three words, and are handed out one at a time. An event handed out
// by bps_get_event stays valid until the next call, then the service disposes
// of it (calling its completion function, when it has one).
#pragma once

#include <cstdint>

struct bps_event_t;
struct bps_event_payload_t {
    uintptr_t data1, data2, data3;
};

enum { BPS_SUCCESS = 0, BPS_FAILURE = -1 };

// Starts the service and the chosen back end (desktop window or headless).
// Calls nest: every successful bps_initialize needs one bps_shutdown.
int bps_initialize();
void bps_shutdown();

// The next pending event, waiting at most timeout_ms when there is none;
// *event is null when nothing arrived. Main thread only.
int bps_get_event(bps_event_t** event, int timeout_ms);
int bps_event_get_domain(bps_event_t* event);
unsigned int bps_event_get_code(bps_event_t* event);
bps_event_payload_t* bps_event_get_payload(bps_event_t* event);

// A new domain number for a service of our own; -1 when none is left.
int bps_register_domain();
// Makes an event; completion (may be null) is called when the service is done
// with it, before the event is freed.
int bps_event_create(bps_event_t** event, int domain, unsigned int code, const bps_event_payload_t* payload,
                     void (*completion)(bps_event_t*));
// Frees an event that was created but never pushed.
void bps_event_destroy(bps_event_t* event);
// Queues an event; the service owns it from here on. Safe from any thread.
int bps_push_event(bps_event_t* event);
