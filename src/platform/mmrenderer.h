// Multimedia renderer: plays one track per context and reports its end.
//
// Shaped like the tablet's renderer client: connect, make a named context,
// attach an output and a track, play and stop. On the desktop the MP3 is
// decoded with libmpg123 and streamed to its own OpenAL device from a thread
// of this layer; headless, or without an audio device, playback is silent and
// takes the track's length. Either way the end of the track is posted to the
// event service as a state change (stopped, error code 0) for the contexts
// whose events were requested.
#pragma once

#include <sys/types.h>

#include <cstdint>

struct bps_event_t;
struct mmr_connection_t;
struct mmr_context_t;

typedef enum {
    MMR_STATE_DESTROYED = 0,
    MMR_STATE_IDLE = 1,
    MMR_STATE_STOPPED = 2,
    MMR_STATE_PLAYING = 3,
} mmr_state_t;

// Error record of a state-change event; error_code 0 means no error.
struct mmr_error_info_t {
    uint32_t error_code;
};

enum { MMR_ERROR_NONE = 0, MMR_ERROR_MEDIA_UNAVAILABLE = 1, MMR_ERROR_MEDIA_CORRUPTED = 2 };
// Event code of a state change; its payload holds the new state in data1 and
// the error code in data2.
enum { MMRENDERER_STATE_CHANGE = 1 };

mmr_connection_t* mmr_connect(const char* name);
void mmr_disconnect(mmr_connection_t* connection);
// A context named `name` (null when the name is null or the connection is).
mmr_context_t* mmr_context_create(mmr_connection_t* connection, const char* name, uint32_t flags, mode_t mode);
int mmr_context_destroy(mmr_context_t* context);
// The output's identifier, or -1. Only type "audio" is known.
int mmr_output_attach(mmr_context_t* context, const char* url, const char* type);
// Attaches a "file://" or plain path URL of type "track"; -1 when the file
// cannot be opened as MP3 (playing then does nothing).
int mmr_input_attach(mmr_context_t* context, const char* url, const char* type);
// Plays from where the track was stopped (from the start after it ended); 0,
// or -1 without a track. Playing while playing does nothing.
int mmr_play(mmr_context_t* context);
// Stops playback and keeps the position; 0, or -1 without a context.
int mmr_stop(mmr_context_t* context);

// Asks for the events of the context named `name`; registers the renderer's
// event domain on the first call. 0, or -1 when the domain cannot be had.
int mmrenderer_request_events(const char* name, int flags, uintptr_t userData);
// The renderer's event domain, -1 before any request.
int mmrenderer_get_domain();
mmr_state_t mmrenderer_event_get_state(bps_event_t* event);
// The error record of a state-change event (valid until the next call).
const mmr_error_info_t* mmrenderer_event_get_error(bps_event_t* event);

// Desktop extras.
// Track seconds that pass per second of silent playback: 1 is real time, 0 or
// less ends a track at once (tests use it to reach the end of the track).
void mmrenderer_set_silent_pace(double pace);
// How often play and stop were asked of a context, counting the calls that
// changed nothing too.
int mmrenderer_play_requests(mmr_context_t* context);
int mmrenderer_stop_requests(mmr_context_t* context);
// Says once per process, on the standard error stream, that no audio device
// could be opened and the game runs silent.
void audio_report_no_device();
// Silences the audio libraries' own messages (OpenAL's log, ALSA's errors);
// called before the first use of OpenAL.
void audio_quiet_library_logs();
