// SPDX-License-Identifier: GPL-3.0-or-later
// The sounds as the Windows program finds them: resources of type "SOUNDS",
// ids 1 to 3, each a wave image that Windows' own reader takes apart into
// the format the player needs and the samples.
#include "SoundPlayer.h"

#include <gtest/gtest.h>

#include <array>
#include <mmsystem.h>
#include <vector>

namespace stackfall {
namespace {

struct Expected {
    Sound sound;
    WORD formatTag;
    WORD channels;
    DWORD sampleRate;
    WORD bitsPerSample;
    std::size_t size;
};

constexpr std::array<Expected, 3> Sounds{{
    {Sound::Settled, WAVE_FORMAT_PCM, 1, 11025, 8, 2344},
    {Sound::Turn, 2 /* Microsoft ADPCM */, 2, 22050, 4, 6420},
    {Sound::RowsRemoved, WAVE_FORMAT_PCM, 1, 22050, 16, 5708},
}};

TEST(SoundResourcesTest, EachSoundIsAWaveImageWithItsFormatAndSamples) {
    const SoundPlayer player(GetModuleHandleW(nullptr));
    for (const Expected& expected : Sounds) {
        SCOPED_TRACE(static_cast<int>(expected.sound));
        const auto image = player.waveImage(expected.sound);
        ASSERT_EQ(image.size(), expected.size);

        // mmio reads from a copy: it may write to the buffer it is given.
        std::vector<std::byte> copy(image.begin(), image.end());
        MMIOINFO memory{};
        memory.fccIOProc = FOURCC_MEM;
        memory.pchBuffer = reinterpret_cast<HPSTR>(copy.data());
        memory.cchBuffer = static_cast<LONG>(copy.size());
        HMMIO file = mmioOpenW(nullptr, &memory, MMIO_READ);
        ASSERT_NE(file, nullptr);

        MMCKINFO riff{};
        riff.fccType = mmioFOURCC('W', 'A', 'V', 'E');
        EXPECT_EQ(mmioDescend(file, &riff, nullptr, MMIO_FINDRIFF), MMSYSERR_NOERROR);
        MMCKINFO chunk{};
        chunk.ckid = mmioFOURCC('f', 'm', 't', ' ');
        EXPECT_EQ(mmioDescend(file, &chunk, &riff, MMIO_FINDCHUNK), MMSYSERR_NOERROR);
        PCMWAVEFORMAT format{};
        EXPECT_EQ(mmioRead(file, reinterpret_cast<HPSTR>(&format), sizeof format),
                  static_cast<LONG>(sizeof format));
        EXPECT_EQ(format.wf.wFormatTag, expected.formatTag);
        EXPECT_EQ(format.wf.nChannels, expected.channels);
        EXPECT_EQ(format.wf.nSamplesPerSec, expected.sampleRate);
        EXPECT_EQ(format.wBitsPerSample, expected.bitsPerSample);
        mmioAscend(file, &chunk, 0);

        chunk.ckid = mmioFOURCC('d', 'a', 't', 'a');
        EXPECT_EQ(mmioDescend(file, &chunk, &riff, MMIO_FINDCHUNK), MMSYSERR_NOERROR);
        EXPECT_GT(chunk.cksize, 0U);
        EXPECT_LE(chunk.dwDataOffset + chunk.cksize, image.size());
        mmioClose(file, 0);
    }
}

TEST(SoundResourcesTest, ANumberWithNoSoundGivesNothing) {
    SoundPlayer player(GetModuleHandleW(nullptr));
    EXPECT_TRUE(player.waveImage(static_cast<Sound>(4)).empty());
    player.play(static_cast<Sound>(4)); // silent, and no crash
}

} // namespace
} // namespace stackfall
