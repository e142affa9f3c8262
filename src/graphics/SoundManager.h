// Sound effects: positioned and unpositioned plays on a pool of 100 OpenAL
// sources used in turn, with buffers loaded once per sound name.
#pragma once

#include <AL/al.h>

#include <map>
#include <memory>
#include <string>

#include "core/Coord.h"

// One loaded sound: the OpenAL buffer and the samples it was made from.
class SoundBuffer {
public:
    // Loads the ".wav" file beside the given ".caf" name under the resources;
    // on failure `bufferName` is 0 and the sound plays nothing.
    explicit SoundBuffer(const std::string& name);
    ~SoundBuffer();
    SoundBuffer(const SoundBuffer&) = delete;
    SoundBuffer& operator=(const SoundBuffer&) = delete;

    ALuint bufferName = 0;
    void* data = nullptr;
};

class SoundManager {
public:
    static constexpr int kSourceCount = 100;

    static SoundManager* getInstance();
    // Called before the first getInstance: the device is not opened by the
    // constructor but by openDevice or the first play, so that the game's
    // first frame does not wait for it.
    static void deferDevice();
    // Called before the first getInstance by a program that makes no sound
    // (the simulator): no device is ever opened, every play does nothing,
    // and no line says that there is no device.
    static void withoutDevice();
    // Opens the audio device and the sources, once; later calls do nothing.
    void openDevice();
    // Plays `name` at the listener.
    void playSound(std::string name);
    // Plays `name` at a world position, quieter with the distance from the ship.
    void playSound(std::string name, Coord& position);
    // The listener follows the player's ship.
    void setListenerPosition(Coord& position);
    void setRollOffFactor(float factor);
    // The cached buffer of `name`, loaded on first use.
    SoundBuffer* getSoundBuffer(const std::string& name);

    bool enabled = true;
    ALuint sources[kSourceCount] = {};
    int nextSource = 0;
    float listenerPosition[3] = {0.0f, 0.0f, 0.0f};
    // False when no audio device could be opened: everything is silent.
    bool hasDevice = false;
    bool deviceTried = false;
    float rollOffFactor = 10.0f;

    static std::map<std::string, std::unique_ptr<SoundBuffer>> buffers;

private:
    SoundManager();
    void play(const std::string& name, float x, float y);
};
