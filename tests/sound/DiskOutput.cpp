// SPDX-License-Identifier: GPL-3.0-or-later
#include "DiskOutput.h"

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <unistd.h>

namespace stackfall::testing {

std::vector<Frame> framesOf(std::span<const std::byte> pcm) {
    std::vector<Frame> frames(pcm.size() / sizeof(Frame));
    std::memcpy(frames.data(), pcm.data(), frames.size() * sizeof(Frame));
    return frames;
}

DiskOutput::DiskOutput()
    : path_((std::filesystem::temp_directory_path() /
             ("stackfall-sound-" + std::to_string(::getpid()) + ".raw"))
                .string()) {
    std::filesystem::remove(path_);
    ::setenv("SDL_AUDIODRIVER", "disk", 1);
    ::setenv("SDL_DISKAUDIOFILE", path_.c_str(), 1);
    ::unsetenv("SDL_DISKAUDIODELAY"); // keep real time
}

DiskOutput::~DiskOutput() {
    std::error_code ignored;
    std::filesystem::remove(path_, ignored);
    ::unsetenv("SDL_AUDIODRIVER");
    ::unsetenv("SDL_DISKAUDIOFILE");
}

std::vector<Frame> DiskOutput::frames() const {
    std::ifstream file(path_, std::ios::binary);
    const std::vector<char> bytes{std::istreambuf_iterator<char>(file), {}};
    return framesOf(std::as_bytes(std::span(bytes)));
}

} // namespace stackfall::testing
