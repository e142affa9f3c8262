// Sound effects through OpenAL and ALUT.
#include "graphics/SoundManager.h"

#include <AL/alut.h>

#include <cstdio>
#include <cstdlib>

#include "core/myfopen.h"
#include "platform/mmrenderer.h"

std::map<std::string, std::unique_ptr<SoundBuffer>> SoundManager::buffers;

SoundBuffer::SoundBuffer(const std::string& name) {
    alGenBuffers(1, &bufferName);
    // "/data/sounds/blip1.caf" is read from "/data/sounds/blip1.wav".
    std::string file = name.substr(0, name.size() < 3 ? 0 : name.size() - 3) + "wav";
    std::string path = pathToRessource(file);
    ALenum format = 0;
    ALsizei size = 0;
    ALfloat frequency = 0.0f;
    data = path.empty() ? nullptr : alutLoadMemoryFromFile(path.c_str(), &format, &size, &frequency);
    ALenum error = alGetError();
    if (!data) {
        // Nothing to upload: the effect stays silent.
        fprintf(stderr, "sound %s: cannot read %s\n", name.c_str(), path.empty() ? file.c_str() : path.c_str());
        error = AL_INVALID_VALUE;
    } else if (error == AL_NO_ERROR) {
        alBufferData(bufferName, format, data, size, (ALsizei)frequency);
        error = alGetError();
        if (error != AL_NO_ERROR)
            fprintf(stderr, "sound %s: alBufferData error %d\n", name.c_str(), error);
    }
    if (error != AL_NO_ERROR) {
        alDeleteBuffers(1, &bufferName);
        bufferName = 0;
    }
}

// The samples came from ALUT's loader, which allocates with malloc.
SoundBuffer::~SoundBuffer() { free(data); }

SoundManager* SoundManager::getInstance() {
    static SoundManager* instance = new SoundManager();
    return instance;
}

static bool deviceDeferred = false;
static bool deviceRefused = false;

void SoundManager::deferDevice() { deviceDeferred = true; }

void SoundManager::withoutDevice() { deviceRefused = true; }

SoundManager::SoundManager() {
    // A device refused counts as one tried that did not open.
    deviceTried = deviceRefused;
    if (!deviceDeferred)
        openDevice();
}

void SoundManager::openDevice() {
    if (deviceTried)
        return;
    deviceTried = true;
    // Without a device (a server, a container) the game runs silent.
    audio_quiet_library_logs();
    if (!alutInit(nullptr, nullptr)) {
        audio_report_no_device();
        return;
    }
    hasDevice = true;
    for (int i = 0; i < kSourceCount; i++) {
        alGenSources(1, &sources[i]);
        if (alGetError() != AL_NO_ERROR)
            exit(1);
    }
    alGetError();
    alDistanceModel(AL_INVERSE_DISTANCE_CLAMPED);
    nextSource = 0;
    for (ALuint s : sources) {
        alSource3f(s, AL_POSITION, 0.0f, 1.0f, 0.0f);
        alSourcef(s, AL_REFERENCE_DISTANCE, 1.0f);
        alSourcef(s, AL_ROLLOFF_FACTOR, rollOffFactor);
        alSourcef(s, AL_MAX_DISTANCE, 700.0f);
        alSourcei(s, AL_LOOPING, AL_FALSE);
    }
    alListener3f(AL_POSITION, listenerPosition[0], listenerPosition[1], listenerPosition[2]);
    alGetError();
}

SoundBuffer* SoundManager::getSoundBuffer(const std::string& name) {
    std::unique_ptr<SoundBuffer>& buffer = buffers[name];
    if (!buffer)
        buffer = std::make_unique<SoundBuffer>(name);
    return buffer.get();
}

void SoundManager::play(const std::string& name, float x, float y) {
    if (!enabled)
        return;
    openDevice();
    if (!hasDevice)
        return;
    SoundBuffer* buffer = getSoundBuffer(name);
    // A sound that failed to load plays nothing and leaves its source alone,
    // but still takes its turn in the rotation like any other play.
    if (!buffer->bufferName) {
        nextSource = (nextSource + 1) % kSourceCount;
        return;
    }
    ALuint s = sources[nextSource];
    // A playing source refuses a new buffer: stop it so the new sound takes over.
    alSourceStop(s);
    alSourcei(s, AL_BUFFER, (ALint)buffer->bufferName);
    alSourcei(s, AL_SOURCE_RELATIVE, AL_TRUE);
    alSource3f(s, AL_POSITION, x, y, 0.0f);
    alSourcePlay(s);
    nextSource = (nextSource + 1) % kSourceCount;
    alGetError();
}

void SoundManager::playSound(std::string name) { play(name, 0.0f, 0.0f); }

void SoundManager::playSound(std::string name, Coord& position) {
    // A quarter turn and a fifth of the world offset: OpenAL distance 1 is 5 world units.
    play(name, (-position.y - listenerPosition[0]) / 5.0f, (position.x - listenerPosition[1]) / 5.0f);
}

void SoundManager::setListenerPosition(Coord& position) {
    listenerPosition[0] = -position.y;
    listenerPosition[1] = position.x;
    listenerPosition[2] = 0.0f;
    if (hasDevice)
        alListener3f(AL_POSITION, listenerPosition[0], listenerPosition[1], listenerPosition[2]);
}

void SoundManager::setRollOffFactor(float factor) {
    rollOffFactor = factor;
    if (!hasDevice)
        return;
    for (ALuint s : sources)
        alSourcef(s, AL_ROLLOFF_FACTOR, factor);
}
