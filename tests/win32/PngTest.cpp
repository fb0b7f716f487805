// SPDX-License-Identifier: GPL-3.0-or-later
// The program's own PNG decoder, held to the Windows Imaging Component on
// every picture the program embeds, and to damaged files.
#include "Png.h"

#include "Pictures.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cwctype>
#include <set>
#include <string>
#include <vector>
#include <wincodec.h>

namespace stackfall {
namespace {

std::span<const std::byte> resource(const wchar_t* name) {
    const HMODULE self = GetModuleHandleW(nullptr);
    HRSRC info = FindResourceW(self, name, L"PNG");
    HGLOBAL loaded = info != nullptr ? LoadResource(self, info) : nullptr;
    const void* bytes = loaded != nullptr ? LockResource(loaded) : nullptr;
    return bytes != nullptr
               ? std::span{static_cast<const std::byte*>(bytes), SizeofResource(self, info)}
               : std::span<const std::byte>{};
}

std::set<std::wstring> embeddedPictures() {
    std::set<std::wstring> names;
    EnumResourceNamesW(
        GetModuleHandleW(nullptr), L"PNG",
        [](HMODULE, LPCWSTR, LPWSTR name, LONG_PTR found) -> BOOL {
            if (!IS_INTRESOURCE(name)) {
                reinterpret_cast<std::set<std::wstring>*>(found)->insert(name);
            }
            return TRUE;
        },
        reinterpret_cast<LONG_PTR>(&names));
    return names;
}

// What the Windows Imaging Component makes of `file`, in the same layout.
png::Image decodedByWic(IWICImagingFactory* factory, std::span<const std::byte> file) {
    png::Image image;
    IWICStream* stream = nullptr;
    IWICBitmapDecoder* decoder = nullptr;
    IWICBitmapFrameDecode* frame = nullptr;
    IWICFormatConverter* converter = nullptr;
    UINT width = 0;
    UINT height = 0;
    if (SUCCEEDED(factory->CreateStream(&stream)) &&
        SUCCEEDED(stream->InitializeFromMemory(
            reinterpret_cast<BYTE*>(const_cast<std::byte*>(file.data())),
            static_cast<DWORD>(file.size()))) &&
        SUCCEEDED(factory->CreateDecoderFromStream(stream, nullptr, WICDecodeMetadataCacheOnDemand,
                                                   &decoder)) &&
        SUCCEEDED(decoder->GetFrame(0, &frame)) &&
        SUCCEEDED(factory->CreateFormatConverter(&converter)) &&
        SUCCEEDED(converter->Initialize(frame, GUID_WICPixelFormat32bppPBGRA,
                                        WICBitmapDitherTypeNone, nullptr, 0.0,
                                        WICBitmapPaletteTypeCustom)) &&
        SUCCEEDED(converter->GetSize(&width, &height))) {
        image.width = static_cast<int>(width);
        image.height = static_cast<int>(height);
        image.bgra.resize(std::size_t{width} * height * 4);
        EXPECT_TRUE(SUCCEEDED(converter->CopyPixels(
            nullptr, width * 4, static_cast<UINT>(image.bgra.size()), image.bgra.data())));
    }
    for (IUnknown* object : std::initializer_list<IUnknown*>{converter, frame, decoder, stream}) {
        if (object != nullptr) {
            object->Release();
        }
    }
    return image;
}

TEST(PngTest, EveryEmbeddedPictureDecodesAsTheImagingComponentDecodesIt) {
    const std::set<std::wstring> names = embeddedPictures();
    for (const auto& placed : {pictures::SidePanel, pictures::StartButton, pictures::AboutButton,
                               pictures::ExitButton, pictures::PauseBanner}) {
        std::wstring name(placed.name.begin(), placed.name.end());
        std::transform(name.begin(), name.end(), name.begin(), [](wchar_t c) {
            return static_cast<wchar_t>(std::towupper(static_cast<wint_t>(c)));
        });
        EXPECT_TRUE(names.count(name) == 1 && names.count(name + L"_2X") == 1) << placed.name;
    }

    ASSERT_TRUE(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)));
    IWICImagingFactory* factory = nullptr;
    ASSERT_TRUE(SUCCEEDED(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER,
                                           IID_PPV_ARGS(&factory))));
    for (const std::wstring& name : names) {
        SCOPED_TRACE(testing::Message() << name.c_str());
        const auto file = resource(name.c_str());
        const std::optional<png::Image> ours = png::decode(file);
        const png::Image theirs = decodedByWic(factory, file);
        ASSERT_TRUE(ours.has_value());
        ASSERT_GT(theirs.width, 0);
        EXPECT_EQ(ours->width, theirs.width);
        EXPECT_EQ(ours->height, theirs.height);
        EXPECT_TRUE(ours->bgra == theirs.bgra);
        bool translucent = false;
        for (std::size_t i = 3; i < theirs.bgra.size(); i += 4) {
            translucent = translucent || theirs.bgra[i] != 0xff;
        }
        EXPECT_EQ(ours->translucent, translucent);
    }
    factory->Release();
    CoUninitialize();
}

// A file cut short anywhere, or with any one byte changed, decodes to
// nothing, and nothing crashes: every chunk is checked against its
// checksum.
TEST(PngTest, DamagedFilesGiveNothing) {
    const auto file = resource(L"START");
    ASSERT_FALSE(file.empty());
    ASSERT_TRUE(png::decode(file).has_value());
    for (std::size_t size = 0; size < file.size(); ++size) {
        EXPECT_FALSE(png::decode(file.first(size)).has_value()) << "cut at " << size;
    }
    std::vector<std::byte> changed(file.begin(), file.end());
    for (std::size_t i = 0; i < changed.size(); ++i) {
        changed[i] ^= std::byte{0x01};
        EXPECT_FALSE(png::decode(changed).has_value()) << "byte " << i << " changed";
        changed[i] ^= std::byte{0x01};
    }
}

// The header's fields sit at fixed places: width 16, height 20, bit depth
// 24, colour type 25, interlace 28; its checksum, of bytes 12 to 28, at 29.
TEST(PngTest, PicturesOfOtherKindsOrSizesGiveNothing) {
    const auto file = resource(L"START");
    ASSERT_FALSE(file.empty());
    const auto with = [&file](std::size_t at, std::uint8_t value) {
        std::vector<std::uint8_t> changed(reinterpret_cast<const std::uint8_t*>(file.data()),
                                          reinterpret_cast<const std::uint8_t*>(file.data()) +
                                              file.size());
        changed[at] = value;
        const std::uint32_t crc = png::crc32(std::span(changed).subspan(12, 17));
        for (std::size_t i = 0; i < 4; ++i) {
            changed[29 + i] = static_cast<std::uint8_t>(crc >> (24 - 8 * i));
        }
        return png::decode(std::as_bytes(std::span(changed)));
    };
    ASSERT_TRUE(with(25, 6).has_value()) << "the header as it was, its checksum made again";
    EXPECT_FALSE(with(24, 16).has_value()) << "16 bits a sample";
    EXPECT_FALSE(with(25, 3).has_value()) << "a palette";
    EXPECT_FALSE(with(28, 1).has_value()) << "interlaced";
    EXPECT_FALSE(with(16, 0x7f).has_value()) << "two thousand million pixels wide";
    EXPECT_FALSE(with(23, 0).has_value()) << "no rows";
}

} // namespace
} // namespace stackfall
