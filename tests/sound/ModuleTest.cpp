// SPDX-License-Identifier: GPL-3.0-or-later
// The executable's side of the sound module: the module, and SDL with it, is
// loaded by the first sound and not before; without it the game plays on in
// silence. This program links neither, as the executable does not.
#include "DiskOutput.h"
#include "EmbeddedSounds.h"
#include "RiffChunks.h"
#include "SoundRelay.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <thread>

#if defined(__linux__)
#include <dlfcn.h>
#endif

namespace stackfall::testing {
namespace {

using namespace std::chrono_literals;

const QString BuiltModuleFolder = QStringLiteral(STACKFALL_SOUND_MODULE_DIR);

// Whether SDL is in the process.
bool sdlLoaded() {
#if defined(__linux__)
    void* sdl = dlopen("libSDL2-2.0.so.0", RTLD_LAZY | RTLD_NOLOAD);
    if (sdl != nullptr) {
        dlclose(sdl);
    }
    return sdl != nullptr;
#else
    return false;
#endif
}

// Whether the output holds the row sound, 16-bit mono at the output rate,
// with each sample on both channels, up to the rounding of SDL's conversion.
bool holdsRowSound(const std::vector<Frame>& output) {
    const auto chunks = riffChunks(embeddedSound(Sound::RowsRemoved));
    const Chunk* data = findChunk(chunks, "data");
    if (data == nullptr || data->body.size() < 2) {
        return false;
    }
    const std::size_t frames = data->body.size() / 2;
    const auto matchesAt = [&](std::size_t start) {
        for (std::size_t i = 0; i < frames; ++i) {
            const auto sample = static_cast<std::int16_t>(le16(data->body, 2 * i));
            const Frame& heard = output[start + i];
            if (std::abs(heard.left - sample) > 1 || heard.right != heard.left) {
                return false;
            }
        }
        return true;
    };
    for (std::size_t start = 0; start + frames <= output.size(); ++start) {
        if (matchesAt(start)) {
            return true;
        }
    }
    return false;
}

TEST(ModuleTest, TheFirstSoundLoadsTheModuleAndPlays) {
    DiskOutput disk;
    {
        SoundRelay relay({BuiltModuleFolder});
        EXPECT_FALSE(relay.ready());
        EXPECT_FALSE(sdlLoaded());
        relay.play(Sound::RowsRemoved);
        EXPECT_TRUE(relay.ready());
#if defined(__linux__)
        EXPECT_TRUE(sdlLoaded());
#endif
        std::this_thread::sleep_for(500ms);
    }
    EXPECT_TRUE(holdsRowSound(disk.frames()));
}

TEST(ModuleTest, TheFoldersAreSearchedInOrder) {
    DiskOutput disk;
    {
        SoundRelay relay({QStringLiteral("/nonexistent/stackfall"), BuiltModuleFolder});
        relay.prepare();
        EXPECT_TRUE(relay.ready());
        relay.play(Sound::RowsRemoved);
        std::this_thread::sleep_for(500ms);
    }
    EXPECT_TRUE(holdsRowSound(disk.frames()));
}

// A folder without the module, and one whose file of that name is no
// library: every sound is silence, and nothing is said.
TEST(ModuleTest, WithoutTheModuleTheGamePlaysOnInSilence) {
    QTemporaryDir scratch;
    ASSERT_TRUE(scratch.isValid());
    QFile notALibrary(scratch.filePath(QStringLiteral(STACKFALL_SOUND_MODULE_FILE)));
    ASSERT_TRUE(notALibrary.open(QIODevice::WriteOnly));
    notALibrary.write("RIFF, not a library");
    notALibrary.close();

    // Not loaded yet where each test has a process of its own, as under ctest.
    const bool sdlBefore = sdlLoaded();
    for (const QString& folder : {QStringLiteral("/nonexistent/stackfall"), scratch.path()}) {
        SCOPED_TRACE(folder.toStdString());
        ::testing::internal::CaptureStdout();
        ::testing::internal::CaptureStderr();
        {
            SoundRelay relay({folder});
            for (int round = 0; round < 3; ++round) {
                relay.play(Sound::Settled);
                relay.play(Sound::Turn);
                relay.play(Sound::RowsRemoved);
            }
            EXPECT_FALSE(relay.ready());
        }
        EXPECT_EQ(::testing::internal::GetCapturedStdout(), "");
        EXPECT_EQ(::testing::internal::GetCapturedStderr(), "");
        EXPECT_EQ(sdlLoaded(), sdlBefore);
    }
}

} // namespace
} // namespace stackfall::testing

int main(int argc, char** argv) {
    // The relay's idle timer wants an application object.
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
