// SPDX-License-Identifier: GPL-3.0-or-later
#include "QuietLibraries.h"

#include <SDL_loadso.h>

namespace stackfall {
namespace {

// snd_lib_error_handler_t and snd_lib_error_set_handler of <alsa/error.h>.
using AlsaErrorHandler = void (*)(const char* file, int line, const char* function, int error,
                                  const char* format, ...);
using SetAlsaErrorHandler = int (*)(AlsaErrorHandler handler);

void ignoreAlsaError(const char*, int, const char*, int, const char*, ...) {
}

void ignoreLog(void*, int, SDL_LogPriority, const char*) {
}

SetAlsaErrorHandler findSetter(void* alsa) {
    void* setter = alsa == nullptr ? nullptr : SDL_LoadFunction(alsa, "snd_lib_error_set_handler");
    return reinterpret_cast<SetAlsaErrorHandler>(setter);
}

} // namespace

QuietLibraries::QuietLibraries() : alsa_(SDL_LoadObject("libasound.so.2")) {
    if (const SetAlsaErrorHandler setter = findSetter(alsa_)) {
        setter(ignoreAlsaError);
    }
    SDL_LogGetOutputFunction(&savedLog_, &savedLogData_);
    SDL_LogSetOutputFunction(ignoreLog, nullptr);
}

QuietLibraries::~QuietLibraries() {
    SDL_LogSetOutputFunction(savedLog_, savedLogData_);
    if (const SetAlsaErrorHandler setter = findSetter(alsa_)) {
        setter(nullptr); // ALSA's own handler again
    }
    if (alsa_ != nullptr) {
        SDL_UnloadObject(alsa_);
    }
}

} // namespace stackfall
