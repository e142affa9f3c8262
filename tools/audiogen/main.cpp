// Audio generator run by the build: writes the sound effects as mono 16-bit
// wave files, the soundtrack as MP3, and the soundtrack's amplitude table as a
// C++ source file for the engine.
//
// usage: audiogen <sounds folder> <soundtrack.mp3> <amplitude table.cpp>
#include <lame/lame.h>

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "Synth.h"

using namespace audiogen;

namespace {

// Entries of the amplitude table: 60 a second of playing time.
constexpr int kAmplitudeCount = 38733;
constexpr int kAmplitudePerSecond = 60;
constexpr int kAmplitudeTop = 262;
// The menu's first pulses at the very start of the track.
constexpr int kOpening[10] = {0, 0, 0, 7, 22, 40, 43, 41, 44, 40};

short toPcm(float x) {
    double v = std::floor((double)x * 32767.0 + 0.5);
    if (v > 32767.0)
        v = 32767.0;
    if (v < -32768.0)
        v = -32768.0;
    return (short)v;
}

void put16(std::vector<unsigned char>& b, unsigned v) {
    b.push_back(v & 0xFF);
    b.push_back((v >> 8) & 0xFF);
}
void put32(std::vector<unsigned char>& b, unsigned v) {
    put16(b, v & 0xFFFF);
    put16(b, v >> 16);
}

bool writeFile(const std::string& path, const void* data, size_t size) {
    std::string temporary = path + ".tmp";
    FILE* f = std::fopen(temporary.c_str(), "wb");
    if (!f)
        return false;
    bool ok = std::fwrite(data, 1, size, f) == size;
    ok = (std::fclose(f) == 0) && ok;
    return ok && std::rename(temporary.c_str(), path.c_str()) == 0;
}

bool writeWave(const std::string& path, const Samples& samples, int rate) {
    std::vector<unsigned char> b;
    unsigned dataSize = (unsigned)samples.size() * 2;
    b.insert(b.end(), {'R', 'I', 'F', 'F'});
    put32(b, 36 + dataSize);
    b.insert(b.end(), {'W', 'A', 'V', 'E', 'f', 'm', 't', ' '});
    put32(b, 16);
    put16(b, 1);  // PCM
    put16(b, 1);  // mono
    put32(b, rate);
    put32(b, rate * 2);  // bytes per second
    put16(b, 2);         // bytes per frame
    put16(b, 16);        // bits per sample
    b.insert(b.end(), {'d', 'a', 't', 'a'});
    put32(b, dataSize);
    for (float s : samples)
        put16(b, (unsigned short)toPcm(s));
    return writeFile(path, b.data(), b.size());
}

bool writeMp3(const std::string& path, const Samples& stereo) {
    lame_global_flags* gf = lame_init();
    if (!gf)
        return false;
    lame_set_in_samplerate(gf, kTrackRate);
    lame_set_out_samplerate(gf, kTrackRate);
    lame_set_num_channels(gf, 2);
    lame_set_mode(gf, JOINT_STEREO);
    lame_set_brate(gf, 160);
    lame_set_quality(gf, 7);       // fast: the encoder runs in every clean build
    lame_set_bWriteVbrTag(gf, 1);  // the info tag lets decoders drop the padding: a gapless loop
    if (lame_init_params(gf) < 0) {
        lame_close(gf);
        return false;
    }
    std::vector<short> pcm(stereo.size());
    for (size_t i = 0; i < stereo.size(); i++)
        pcm[i] = toPcm(stereo[i]);

    std::string temporary = path + ".tmp";
    FILE* f = std::fopen(temporary.c_str(), "w+b");
    if (!f) {
        lame_close(gf);
        return false;
    }
    const int chunk = 8192;
    std::vector<unsigned char> out(chunk * 5 / 4 + 7200);
    bool ok = true;
    size_t frames = pcm.size() / 2;
    for (size_t at = 0; at < frames && ok; at += chunk) {
        int n = (int)std::min<size_t>(chunk, frames - at);
        int bytes = lame_encode_buffer_interleaved(gf, pcm.data() + 2 * at, n, out.data(), (int)out.size());
        ok = bytes >= 0 && std::fwrite(out.data(), 1, bytes, f) == (size_t)bytes;
    }
    if (ok) {
        int bytes = lame_encode_flush(gf, out.data(), (int)out.size());
        ok = bytes >= 0 && std::fwrite(out.data(), 1, bytes, f) == (size_t)bytes;
    }
    if (ok)
        lame_mp3_tags_fid(gf, f);
    ok = (std::fclose(f) == 0) && ok;
    lame_close(gf);
    return ok && std::rename(temporary.c_str(), path.c_str()) == 0;
}

bool writeAmplitudeTable(const std::string& path, const std::vector<int>& table) {
    std::string s =
        "// Loudness envelope of the soundtrack, 60 entries a second; written by the\n"
        "// audio generator (tools/audiogen) with the track itself.\n"
        "#include \"graphics/AudioPlayer.h\"\n\n"
        "const int AudioPlayer::amplitudes[AudioPlayer::amplitudesArraySizes] = {\n";
    for (size_t i = 0; i < table.size(); i++) {
        s += std::to_string(table[i]);
        s += (i + 1) % 20 == 0 ? ",\n" : ",";
    }
    s += "\n};\n";
    return writeFile(path, s.data(), s.size());
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: %s <sounds folder> <soundtrack.mp3> <amplitude table.cpp>\n", argv[0]);
        return 2;
    }
    std::string soundsDir = argv[1], trackPath = argv[2], tablePath = argv[3];
    std::error_code ec;
    std::filesystem::create_directories(soundsDir, ec);
    std::filesystem::create_directories(std::filesystem::path(trackPath).parent_path(), ec);
    std::filesystem::create_directories(std::filesystem::path(tablePath).parent_path(), ec);

    for (const Effect& e : makeEffects()) {
        std::string path = soundsDir + "/" + e.name + ".wav";
        if (!writeWave(path, e.samples, kEffectRate)) {
            std::fprintf(stderr, "audiogen: cannot write %s\n", path.c_str());
            return 1;
        }
    }

    Samples track = makeSoundtrack();
    std::vector<int> table = loudnessEnvelope(track, kAmplitudePerSecond, kAmplitudeCount, kAmplitudeTop);
    for (int i = 0; i < 10; i++)
        table[i] = kOpening[i];
    if (!writeMp3(trackPath, track)) {
        std::fprintf(stderr, "audiogen: cannot write %s\n", trackPath.c_str());
        return 1;
    }
    if (!writeAmplitudeTable(tablePath, table)) {
        std::fprintf(stderr, "audiogen: cannot write %s\n", tablePath.c_str());
        return 1;
    }
    return 0;
}
