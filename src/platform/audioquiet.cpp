// Keeps the audio libraries off the standard error stream: without a sound
// card the game says so in one line of its own.
#include <dlfcn.h>

#include <cstdlib>
#include <mutex>

#include "platform/mmrenderer.h"

namespace {

// ALSA's error handler: file, line, function, error number, format, arguments.
typedef void (*AlsaErrorHandler)(const char*, int, const char*, int, const char*, ...);

void ignoreAlsaError(const char*, int, const char*, int, const char*, ...) {}

}  // namespace

void audio_quiet_library_logs() {
    static std::once_flag done;
    std::call_once(done, [] {
        // OpenAL Soft reads its log level when it first starts; a level the
        // user asked for is kept.
        setenv("ALSOFT_LOGLEVEL", "0", 0);
        // OpenAL loads ALSA by itself. Loaded here first and never unloaded,
        // it is the same library then, with this handler in place.
        void* alsa = dlopen("libasound.so.2", RTLD_NOW | RTLD_GLOBAL);
        if (!alsa)
            return;
        auto setHandler = (int (*)(AlsaErrorHandler))dlsym(alsa, "snd_lib_error_set_handler");
        if (setHandler)
            setHandler(ignoreAlsaError);
    });
}
