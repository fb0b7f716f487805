// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace stackfall::testing {

// One frame of the output format: signed 16-bit stereo.
struct Frame {
    std::int16_t left;
    std::int16_t right;
    bool operator==(const Frame&) const = default;
};

// PCM in the output format as frames.
[[nodiscard]] std::vector<Frame> framesOf(std::span<const std::byte> pcm);

// Points SDL at its "disk" audio driver, which writes what the device plays,
// silence included, to a file in real time. The file is this process's own
// and is complete once the player that opened the device is gone.
class DiskOutput {
public:
    DiskOutput();
    ~DiskOutput();
    DiskOutput(const DiskOutput&) = delete;
    DiskOutput& operator=(const DiskOutput&) = delete;

    [[nodiscard]] std::vector<Frame> frames() const;
    [[nodiscard]] const std::string& path() const { return path_; }

private:
    std::string path_;
};

} // namespace stackfall::testing
