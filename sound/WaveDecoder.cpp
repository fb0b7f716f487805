// SPDX-License-Identifier: GPL-3.0-or-later
#include "WaveDecoder.h"

#include "OutputFormat.h"

#include <SDL_audio.h>
#include <SDL_hints.h>
#include <SDL_rwops.h>

#include <climits>
#include <cstdint>
#include <cstring>

namespace stackfall {
namespace {

// SDL lets a file end one byte short of its RIFF size; the game's images
// must be exactly as long as their header says.
bool wholeRiff(std::span<const std::byte> image) {
    if (image.size() < 12 || std::memcmp(image.data(), "RIFF", 4) != 0) {
        return false;
    }
    std::uint32_t riffSize = 0;
    for (std::size_t i = 0; i < 4; ++i) {
        riffSize |= std::to_integer<std::uint32_t>(image[4 + i]) << (8 * i);
    }
    return riffSize == image.size() - 8;
}

std::uint32_t readLe(std::span<const std::byte> bytes, std::size_t at, std::size_t width) {
    std::uint32_t value = 0;
    for (std::size_t i = 0; i < width; ++i) {
        value |= std::to_integer<std::uint32_t>(bytes[at + i]) << (8 * i);
    }
    return value;
}

// SDL 2.26 takes an ADPCM block whose predictor index equals the number of
// coefficient pairs and reads past its table with it. Such an image is
// refused here, before SDL sees it. Other images pass unexamined.
bool adpcmPredictorsInRange(std::span<const std::byte> image) {
    std::span<const std::byte> format;
    std::span<const std::byte> data;
    for (std::size_t at = 12; at + 8 <= image.size();) {
        const std::uint32_t size = readLe(image, at + 4, 4);
        if (size > image.size() - at - 8) {
            break; // SDL refuses the image itself
        }
        const auto body = image.subspan(at + 8, size);
        if (std::memcmp(image.data() + at, "fmt ", 4) == 0) {
            format = body;
        } else if (std::memcmp(image.data() + at, "data", 4) == 0) {
            data = body;
        }
        at += 8 + size + (size & 1U);
    }
    constexpr std::uint32_t msAdpcm = 2;
    if (format.size() < 22 || readLe(format, 0, 2) != msAdpcm) {
        return true;
    }
    const std::uint32_t channels = readLe(format, 2, 2);
    const std::uint32_t blockAlign = readLe(format, 12, 2);
    const std::uint32_t coefficients = readLe(format, 20, 2);
    if (channels == 0 || blockAlign < channels) {
        return true; // SDL refuses these itself
    }
    for (std::size_t block = 0; block + channels <= data.size(); block += blockAlign) {
        for (std::size_t channel = 0; channel < channels; ++channel) {
            if (std::to_integer<std::uint32_t>(data[block + channel]) >= coefficients) {
                return false;
            }
        }
    }
    return true;
}

// The samples SDL's loader allocates, freed on every way out.
struct LoadedSamples {
    Uint8* data = nullptr;
    Uint32 size = 0;

    LoadedSamples() = default;
    LoadedSamples(const LoadedSamples&) = delete;
    LoadedSamples& operator=(const LoadedSamples&) = delete;
    ~LoadedSamples() { SDL_FreeWAV(data); }
};

} // namespace

std::vector<std::byte> decodeWave(std::span<const std::byte> image) {
    // The turn sound is ADPCM, stored in whole blocks; its "fact" chunk says
    // where the sound really ends.
    SDL_SetHint(SDL_HINT_WAVE_FACT_CHUNK, "truncate");
    // A cut-off or oversized image is refused rather than played up to the
    // damage: sizes must agree with the bytes there are.
    SDL_SetHint(SDL_HINT_WAVE_TRUNCATION, "verystrict");
    SDL_SetHint(SDL_HINT_WAVE_RIFF_CHUNK_SIZE, "force");

    if (!wholeRiff(image) || image.size() > static_cast<std::size_t>(INT_MAX) ||
        !adpcmPredictorsInRange(image)) {
        return {};
    }
    SDL_RWops* source = SDL_RWFromConstMem(image.data(), static_cast<int>(image.size()));
    if (source == nullptr) {
        return {};
    }
    SDL_AudioSpec spec{};
    LoadedSamples samples;
    // Closes the source whatever the outcome.
    if (SDL_LoadWAV_RW(source, 1, &spec, &samples.data, &samples.size) == nullptr) {
        return {};
    }

    SDL_AudioCVT cvt{};
    const int needed =
        SDL_BuildAudioCVT(&cvt, spec.format, spec.channels, spec.freq, outputFormat.sampleFormat,
                          outputFormat.channels, outputFormat.rate);
    const Uint32 frameBytes = SDL_AUDIO_BITSIZE(spec.format) / 8U * spec.channels;
    const Uint32 size = frameBytes == 0 ? 0 : samples.size - samples.size % frameBytes;
    if (needed < 0 || size == 0 || size > static_cast<Uint32>(INT_MAX / cvt.len_mult)) {
        return {};
    }

    // SDL converts in place and needs room for the longest intermediate step.
    std::vector<std::byte> pcm(static_cast<std::size_t>(size) *
                               static_cast<std::size_t>(cvt.len_mult));
    std::memcpy(pcm.data(), samples.data, size);
    if (needed == 0) {
        pcm.resize(size);
        return pcm;
    }
    cvt.buf = reinterpret_cast<Uint8*>(pcm.data());
    cvt.len = static_cast<int>(size);
    if (SDL_ConvertAudio(&cvt) != 0 || cvt.len_cvt <= 0) {
        return {};
    }
    pcm.resize(static_cast<std::size_t>(cvt.len_cvt));
    return pcm;
}

} // namespace stackfall
