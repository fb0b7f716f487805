// SPDX-License-Identifier: GPL-3.0-or-later
// The game's own PNG reader, held to the Windows Imaging Component on every
// picture the program embeds (damaged files: tests/shared/PngTest.cpp).
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

} // namespace
} // namespace stackfall
