// Wave file reader. Every size in the header is checked against the file before
// it is used, so a truncated or hostile file gives null, never a huge buffer.
#include "graphics/Extractor.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdint>
#include <cstring>

namespace {

unsigned read16(const unsigned char* p) { return p[0] | (p[1] << 8); }
unsigned long read32(const unsigned char* p) {
    return (unsigned long)p[0] | ((unsigned long)p[1] << 8) | ((unsigned long)p[2] << 16) | ((unsigned long)p[3] << 24);
}

// Rates under 1000 would make the length in milliseconds divide by zero.
constexpr unsigned long kLowestRate = 1000;

std::unique_ptr<AudioData> readWave(int fd) {
    struct stat info;
    if (fstat(fd, &info) != 0)
        return nullptr;
    const unsigned long long fileSize = (unsigned long long)info.st_size;

    unsigned char head[36];
    if (lseek(fd, 0, SEEK_SET) != 0 || !Extractor::readBytes(fd, head, 36))
        return nullptr;
    if (memcmp(head, "RIFF", 4) != 0 || memcmp(head + 8, "WAVE", 4) != 0 || memcmp(head + 12, "fmt ", 4) != 0)
        return nullptr;
    const unsigned channels = read16(head + 22);
    const unsigned long rate = read32(head + 24);
    const unsigned long formatSize = read32(head + 16);
    if (read16(head + 20) != 1 || (channels != 1 && channels != 2) || read16(head + 34) != 16)
        return nullptr;
    if (rate < kLowestRate || rate > 1000000 || formatSize < 16 || formatSize > fileSize)
        return nullptr;

    unsigned char chunk[8];
    off_t at = (off_t)(36 + (formatSize - 16));
    if (lseek(fd, at, SEEK_SET) != at || !Extractor::readBytes(fd, chunk, 8))
        return nullptr;
    if (memcmp(chunk, "fact", 4) == 0) {
        at = (off_t)((formatSize - 16) + 48);
        if (lseek(fd, at, SEEK_SET) != at || !Extractor::readBytes(fd, chunk, 8))
            return nullptr;
    }
    if (memcmp(chunk, "data", 4) != 0)
        return nullptr;
    const unsigned long long dataSize = read32(chunk + 4);
    if (dataSize > fileSize - (unsigned long long)(at + 8) || dataSize > 0x7FFFFFFF)
        return nullptr;

    std::vector<unsigned char> bytes(dataSize);
    if (!Extractor::readBytes(fd, bytes.data(), (int)dataSize))
        return nullptr;
    auto data = std::make_unique<AudioData>();
    data->setData(bytes.data(), 0, (long)(dataSize / 2), (int)rate, channels == 2);
    return data;
}

}  // namespace

void AudioData::setData(const unsigned char* bytes, int unusedValue, long count, int rate, bool isStereo) {
    raw.assign(bytes, bytes + count * 2);
    unused = unusedValue;
    sampleCount = (int)count;
    sampleRate = rate;
    stereo = isStereo;
    frameCount = (int)(stereo ? count / 2 : count);
    samples.resize(frameCount);
    auto sample = [bytes](long i) { return (double)(int16_t)(bytes[2 * i] | (bytes[2 * i + 1] << 8)); };
    for (int i = 0; i < frameCount; i++)
        samples[i] = stereo ? SamplePair{sample(2L * i), sample(2L * i + 1)} : SamplePair{sample(i), sample(i)};
}

bool Extractor::readBytes(int fd, unsigned char* buffer, int count) {
    while (count > 0) {
        ssize_t got = read(fd, buffer, count < 4096 ? count : 4096);
        if (got <= 0)
            return false;
        buffer += got;
        count -= (int)got;
    }
    return true;
}

AudioData* Extractor::loadWaveFile(const char* path) {
    int fd = open(path, O_RDONLY);
    if (fd < 0)
        return nullptr;
    audioData = readWave(fd);
    close(fd);
    return audioData.get();
}
