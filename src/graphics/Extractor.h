// Reader of uncompressed 16-bit PCM wave files into pairs of float samples.
#pragma once

#include <memory>
#include <vector>

struct SamplePair {
    double left;
    double right;
};

// Samples of one wave file; mono files give pairs with equal members.
class AudioData {
public:
    // Converts `sampleCount` little-endian 16-bit samples (both channels together).
    void setData(const unsigned char* bytes, int unused, long sampleCount, int sampleRate, bool stereo);
    const SamplePair& operator[](int i) const { return samples[i]; }
    long msToSampleNo(long ms) const { return (long)((long long)sampleRate * ms / 1000); }
    int getLengthInMs() const { return frameCount / (sampleRate / 1000); }
    const SamplePair* getSamples(int& count) const {
        count = frameCount;
        return samples.data();
    }

    std::vector<SamplePair> samples;
    int frameCount = 0;
    std::vector<unsigned char> raw;
    int unused = 0;
    int sampleCount = 0;
    int sampleRate = 0;
    bool stereo = false;
};

class Extractor {
public:
    // Reads `count` bytes in chunks of at most 4096; false when the file ends first.
    static bool readBytes(int fd, unsigned char* buffer, int count);
    // The samples of a mono or stereo 16-bit PCM file, or null; the extractor
    // keeps the result until its next read.
    AudioData* loadWaveFile(const char* path);

    std::unique_ptr<AudioData> audioData;
};
