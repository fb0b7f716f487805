// SPDX-License-Identifier: GPL-3.0-or-later
#include "PictureStore.h"

#include "Png.h"

#include <cstring>
#include <cwctype>

namespace stackfall {

namespace {

std::wstring resourceName(std::string_view name, bool sharp) {
    std::wstring result;
    for (const char c : name) {
        result += static_cast<wchar_t>(std::towupper(static_cast<wint_t>(c)));
    }
    return sharp ? result + L"_2X" : result;
}

} // namespace

void PictureStore::preload(std::span<const std::string_view> names, const Scale& scale) {
    for (const std::string_view name : names) {
        static_cast<void>(find(name, scale.sharp()));
    }
}

const PictureStore::Decoded* PictureStore::find(std::string_view name, bool sharp) {
    const std::wstring resource = resourceName(name, sharp);
    auto found = decoded_.find(resource);
    if (found == decoded_.end()) {
        found = decoded_.emplace(resource, decode(resource)).first;
    }
    return found->second.bitmap ? &found->second : nullptr;
}

PictureStore::Decoded PictureStore::decode(const std::wstring& resource) const {
    HRSRC info = FindResourceW(instance_, resource.c_str(), L"PNG");
    HGLOBAL loaded = info != nullptr ? LoadResource(instance_, info) : nullptr;
    const void* bytes = loaded != nullptr ? LockResource(loaded) : nullptr;
    if (bytes == nullptr) {
        return {};
    }
    const std::optional<png::Image> image =
        png::decode({static_cast<const std::byte*>(bytes), SizeofResource(instance_, info)});
    if (!image) {
        return {};
    }
    BITMAPINFO info32{};
    info32.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info32.bmiHeader.biWidth = image->width;
    info32.bmiHeader.biHeight = -image->height; // top row first
    info32.bmiHeader.biPlanes = 1;
    info32.bmiHeader.biBitCount = 32;
    info32.bmiHeader.biCompression = BI_RGB;
    void* pixels = nullptr;
    Decoded result;
    result.bitmap.reset(CreateDIBSection(nullptr, &info32, DIB_RGB_COLORS, &pixels, nullptr, 0));
    if (!result.bitmap) {
        return {};
    }
    std::memcpy(pixels, image->bgra.data(), image->bgra.size());
    result.width = image->width;
    result.height = image->height;
    result.translucent = image->translucent;
    return result;
}

void PictureStore::draw(HDC dc, std::string_view name, int left, int top, const Scale& scale) {
    const Decoded* picture = scale.sharp() ? find(name, true) : nullptr;
    const int ratio = picture != nullptr ? 2 : 1;
    if (picture == nullptr) {
        picture = find(name, false);
    }
    if (picture == nullptr) {
        return;
    }
    const RECT target = scale.rect({left, top, picture->width / ratio, picture->height / ratio});
    HDC source = CreateCompatibleDC(dc);
    {
        const Selected selected(source, picture->bitmap.get());
        if (picture->translucent) {
            const BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
            GdiAlphaBlend(dc, target.left, target.top, widthOf(target), heightOf(target), source, 0,
                          0, picture->width, picture->height, blend);
        } else if (widthOf(target) == picture->width && heightOf(target) == picture->height) {
            BitBlt(dc, target.left, target.top, picture->width, picture->height, source, 0, 0,
                   SRCCOPY);
        } else {
            SetStretchBltMode(dc, HALFTONE);
            StretchBlt(dc, target.left, target.top, widthOf(target), heightOf(target), source, 0, 0,
                       picture->width, picture->height, SRCCOPY);
        }
    }
    DeleteDC(source);
}

} // namespace stackfall
