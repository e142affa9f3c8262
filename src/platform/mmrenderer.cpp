// Multimedia renderer on the desktop: libmpg123 decoding, an OpenAL stream of
// its own, and end-of-track events through the event service.
//
// Each playing context has one worker thread. With a device it keeps a few
// buffers queued on a streaming source of a separate OpenAL device, made
// current for that thread only (ALC_EXT_thread_local_context), so the sound
// effects' context and pool of sources are never touched. Without a device the
// worker just lets the track's length pass. The game itself only calls play and
// stop and reads the posted events, all from the main thread.
#include "platform/mmrenderer.h"

#include <AL/al.h>
#include <AL/alc.h>
#include <mpg123.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <mutex>
#include <set>
#include <string>
#include <thread>
#include <vector>

#include "platform/bps.h"

struct mmr_connection_t {
    std::string name;
};

struct mmr_context_t {
    std::string name;
    bool hasOutput = false;
    mpg123_handle* decoder = nullptr;  // the attached track, positioned where playback stopped
    long rate = 0;
    int channels = 0;
    double lengthSeconds = 0.0;
    double silentPosition = 0.0;  // seconds played in silent mode

    std::thread worker;
    std::mutex lock;
    std::condition_variable wake;
    bool stopRequested = false;
    bool playing = false;
    int playRequests = 0, stopRequests = 0;

    ALuint source = 0;
    std::vector<ALuint> buffers;
};

namespace {

constexpr int kStreamBuffers = 4;
constexpr size_t kStreamBytes = 16384;  // per buffer: about 0.1 s of 44.1 kHz stereo
constexpr auto kWorkerTick = std::chrono::milliseconds(15);

std::atomic<double> silentPace{1.0};

// Process-wide state, made on first use and never destroyed, so that the exit
// handler can still reach it.
struct Renderer {
    std::mutex lock;
    std::set<std::string> requested;  // context names whose events are wanted
    std::vector<mmr_context_t*> contexts;
    int domain = -1;
    bool audioTried = false;
    ALCdevice* device = nullptr;
    ALCcontext* context = nullptr;
    ALCboolean (*setThreadContext)(ALCcontext*) = nullptr;
};

Renderer& renderer() {
    static Renderer* r = new Renderer();
    return *r;
}

bool headless() {
    const char* value = getenv("ZORBIX_HEADLESS");
    return value && strcmp(value, "1") == 0;
}

void stopWorker(mmr_context_t* c) {
    {
        std::lock_guard<std::mutex> guard(c->lock);
        c->stopRequested = true;
    }
    c->wake.notify_all();
    if (c->worker.joinable())
        c->worker.join();
    c->stopRequested = false;
}

void stopAllAtExit() {
    Renderer& r = renderer();
    std::vector<mmr_context_t*> all;
    {
        std::lock_guard<std::mutex> guard(r.lock);
        all = r.contexts;
    }
    for (mmr_context_t* c : all)
        stopWorker(c);
    if (r.context) {
        alcDestroyContext(r.context);
        alcCloseDevice(r.device);
        r.context = nullptr;
        r.device = nullptr;
    }
}

// The music's own device and context, opened on the first play; null when
// headless or when no device can be opened (said once).
ALCcontext* audioContext() {
    Renderer& r = renderer();
    std::lock_guard<std::mutex> guard(r.lock);
    if (r.audioTried)
        return r.context;
    r.audioTried = true;
    if (headless())
        return nullptr;
    audio_quiet_library_logs();
    if (!alcIsExtensionPresent(nullptr, "ALC_EXT_thread_local_context"))
        return nullptr;
    r.setThreadContext = (ALCboolean(*)(ALCcontext*))alcGetProcAddress(nullptr, "alcSetThreadContext");
    r.device = alcOpenDevice(nullptr);
    if (!r.device) {
        audio_report_no_device();
        return nullptr;
    }
    r.context = alcCreateContext(r.device, nullptr);
    if (!r.context || !r.setThreadContext) {
        if (r.context)
            alcDestroyContext(r.context);
        alcCloseDevice(r.device);
        r.device = nullptr;
        r.context = nullptr;
        audio_report_no_device();
    }
    return r.context;
}

void postStateChange(mmr_context_t* c, mmr_state_t state, uint32_t error) {
    Renderer& r = renderer();
    int domain;
    {
        std::lock_guard<std::mutex> guard(r.lock);
        if (r.domain < 0 || !r.requested.count(c->name))
            return;
        domain = r.domain;
    }
    bps_event_t* event = nullptr;
    bps_event_payload_t payload{(uintptr_t)state, (uintptr_t)error, 0};
    if (bps_event_create(&event, domain, MMRENDERER_STATE_CHANGE, &payload, nullptr) != BPS_SUCCESS || !event)
        return;
    if (bps_push_event(event) != BPS_SUCCESS)
        bps_event_destroy(event);
}

// Waits one tick; false when a stop was asked for.
bool tick(mmr_context_t* c) {
    std::unique_lock<std::mutex> guard(c->lock);
    c->wake.wait_for(guard, kWorkerTick, [c] { return c->stopRequested; });
    return !c->stopRequested;
}

// Lets the rest of the track's length pass; true when it reached the end.
bool playSilently(mmr_context_t* c) {
    auto last = std::chrono::steady_clock::now();
    while (c->silentPosition < c->lengthSeconds) {
        double pace = silentPace.load();
        if (pace <= 0.0) {
            c->silentPosition = c->lengthSeconds;
            break;
        }
        if (!tick(c))
            return false;
        auto now = std::chrono::steady_clock::now();
        c->silentPosition += std::chrono::duration<double>(now - last).count() * pace;
        last = now;
    }
    return true;
}

// Decodes the next chunk into `pcm`; false at the end of the track or on a
// decoding error (`broken` tells which).
bool decodeChunk(mmr_context_t* c, std::vector<unsigned char>& pcm, bool& broken) {
    size_t done = 0;
    int status = mpg123_read(c->decoder, pcm.data(), pcm.size(), &done);
    pcm.resize(done);
    broken = status != MPG123_OK && status != MPG123_DONE && status != MPG123_NEW_FORMAT;
    return done > 0;
}

// Streams the track to the music device; true when it reached the end, with
// `broken` set when decoding failed before it.
bool playAudibly(mmr_context_t* c, ALCcontext* context, bool& broken) {
    Renderer& r = renderer();
    r.setThreadContext(context);
    if (!c->source) {
        alGenSources(1, &c->source);
        c->buffers.resize(kStreamBuffers);
        alGenBuffers(kStreamBuffers, c->buffers.data());
        alSourcei(c->source, AL_SOURCE_RELATIVE, AL_TRUE);
        alSourcef(c->source, AL_ROLLOFF_FACTOR, 0.0f);
    }
    const ALenum format = c->channels == 2 ? AL_FORMAT_STEREO16 : AL_FORMAT_MONO16;
    std::vector<unsigned char> pcm;
    auto refill = [&](ALuint buffer) {
        pcm.assign(kStreamBytes, 0);
        if (!decodeChunk(c, pcm, broken))
            return false;
        alBufferData(buffer, format, pcm.data(), (ALsizei)pcm.size(), (ALsizei)c->rate);
        alSourceQueueBuffers(c->source, 1, &buffer);
        return true;
    };
    for (ALuint buffer : c->buffers)
        if (!refill(buffer))
            break;
    alSourcePlay(c->source);

    bool ended = false;
    while (tick(c)) {
        ALint processed = 0, queued = 0, state = 0;
        alGetSourcei(c->source, AL_BUFFERS_PROCESSED, &processed);
        while (processed-- > 0) {
            ALuint buffer = 0;
            alSourceUnqueueBuffers(c->source, 1, &buffer);
            if (!broken)
                refill(buffer);
        }
        alGetSourcei(c->source, AL_BUFFERS_QUEUED, &queued);
        if (queued == 0) {
            ended = true;
            break;
        }
        alGetSourcei(c->source, AL_SOURCE_STATE, &state);
        if (state != AL_PLAYING)
            alSourcePlay(c->source);  // caught up after a stall
    }
    alSourceStop(c->source);
    alSourcei(c->source, AL_BUFFER, 0);
    r.setThreadContext(nullptr);
    return ended;
}

void work(mmr_context_t* c) {
    ALCcontext* context = audioContext();
    bool broken = false;
    bool ended = context ? playAudibly(c, context, broken) : playSilently(c);
    if (!ended)
        return;  // stopped: keep the position
    mpg123_seek(c->decoder, 0, SEEK_SET);
    c->silentPosition = 0.0;
    {
        std::lock_guard<std::mutex> guard(c->lock);
        c->playing = false;
    }
    postStateChange(c, MMR_STATE_STOPPED, broken ? MMR_ERROR_MEDIA_CORRUPTED : MMR_ERROR_NONE);
}

void closeTrack(mmr_context_t* c) {
    if (c->decoder) {
        mpg123_close(c->decoder);
        mpg123_delete(c->decoder);
        c->decoder = nullptr;
    }
}

}  // namespace

void audio_report_no_device() {
    static std::once_flag said;
    std::call_once(said, [] { fprintf(stderr, "No audio device: the game runs without sound.\n"); });
}

mmr_connection_t* mmr_connect(const char* name) { return new mmr_connection_t{name ? name : ""}; }

void mmr_disconnect(mmr_connection_t* connection) { delete connection; }

mmr_context_t* mmr_context_create(mmr_connection_t* connection, const char* name, uint32_t, mode_t) {
    if (!connection || !name)
        return nullptr;
    static std::once_flag exitHandler;
    std::call_once(exitHandler, [] { atexit(stopAllAtExit); });
    mmr_context_t* c = new mmr_context_t();
    c->name = name;
    Renderer& r = renderer();
    std::lock_guard<std::mutex> guard(r.lock);
    r.contexts.push_back(c);
    return c;
}

int mmr_context_destroy(mmr_context_t* c) {
    if (!c)
        return -1;
    stopWorker(c);
    Renderer& r = renderer();
    if (c->source && audioContext()) {
        r.setThreadContext(r.context);
        alDeleteSources(1, &c->source);
        alDeleteBuffers((ALsizei)c->buffers.size(), c->buffers.data());
        r.setThreadContext(nullptr);
    }
    closeTrack(c);
    {
        std::lock_guard<std::mutex> guard(r.lock);
        r.contexts.erase(std::remove(r.contexts.begin(), r.contexts.end(), c), r.contexts.end());
    }
    delete c;
    return 0;
}

int mmr_output_attach(mmr_context_t* c, const char* url, const char* type) {
    if (!c || !url || !type || strcmp(type, "audio") != 0)
        return -1;
    c->hasOutput = true;
    return 0;
}

int mmr_input_attach(mmr_context_t* c, const char* url, const char* type) {
    if (!c || !url || !type || strcmp(type, "track") != 0)
        return -1;
    stopWorker(c);
    closeTrack(c);
    const char* path = strncmp(url, "file://", 7) == 0 ? url + 7 : url;
#if MPG123_API_VERSION < 46
    static std::once_flag init;
    std::call_once(init, [] { mpg123_init(); });
#endif
    mpg123_handle* h = mpg123_new(nullptr, nullptr);
    if (!h)
        return -1;
    mpg123_param(h, MPG123_ADD_FLAGS, MPG123_QUIET, 0.0);
    long rate = 0;
    int channels = 0, encoding = 0;
    if (mpg123_open(h, path) != MPG123_OK || mpg123_getformat(h, &rate, &channels, &encoding) != MPG123_OK ||
        rate <= 0 || (channels != 1 && channels != 2)) {
        mpg123_delete(h);
        return -1;
    }
    mpg123_format_none(h);
    mpg123_format(h, rate, channels, MPG123_ENC_SIGNED_16);
    off_t samples = mpg123_length(h);
    if (samples < 0 && mpg123_scan(h) == MPG123_OK)
        samples = mpg123_length(h);
    c->decoder = h;
    c->rate = rate;
    c->channels = channels;
    c->lengthSeconds = samples > 0 ? (double)samples / rate : 0.0;
    c->silentPosition = 0.0;
    return 0;
}

int mmr_play(mmr_context_t* c) {
    if (!c)
        return -1;
    c->playRequests++;
    if (!c->decoder || !c->hasOutput)
        return -1;
    {
        std::lock_guard<std::mutex> guard(c->lock);
        if (c->playing)
            return 0;
        c->playing = true;
    }
    if (c->worker.joinable())
        c->worker.join();  // the worker of a track that ended
    c->worker = std::thread(work, c);
    return 0;
}

int mmr_stop(mmr_context_t* c) {
    if (!c)
        return -1;
    c->stopRequests++;
    stopWorker(c);
    std::lock_guard<std::mutex> guard(c->lock);
    c->playing = false;
    return 0;
}

int mmrenderer_request_events(const char* name, int, uintptr_t) {
    if (!name)
        return -1;
    Renderer& r = renderer();
    std::lock_guard<std::mutex> guard(r.lock);
    if (r.domain < 0)
        r.domain = bps_register_domain();
    if (r.domain < 0)
        return -1;
    r.requested.insert(name);
    return 0;
}

int mmrenderer_get_domain() {
    Renderer& r = renderer();
    std::lock_guard<std::mutex> guard(r.lock);
    return r.domain;
}

mmr_state_t mmrenderer_event_get_state(bps_event_t* event) {
    if (!event || bps_event_get_code(event) != MMRENDERER_STATE_CHANGE)
        return MMR_STATE_DESTROYED;
    return (mmr_state_t)bps_event_get_payload(event)->data1;
}

const mmr_error_info_t* mmrenderer_event_get_error(bps_event_t* event) {
    static mmr_error_info_t info;
    info.error_code = event ? (uint32_t)bps_event_get_payload(event)->data2 : (uint32_t)MMR_ERROR_NONE;
    return &info;
}

void mmrenderer_set_silent_pace(double pace) { silentPace.store(pace); }

int mmrenderer_play_requests(mmr_context_t* c) { return c ? c->playRequests : 0; }
int mmrenderer_stop_requests(mmr_context_t* c) { return c ? c->stopRequests : 0; }
