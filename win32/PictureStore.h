// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "GdiObject.h"
#include "Scale.h"

#include <map>
#include <span>
#include <string>
#include <string_view>
#include <vector>

struct IWICImagingFactory;

namespace stackfall {

// The PNG pictures embedded in the executable (resources of type "PNG",
// named as the file in upper case, "_2X" for a double-resolution copy),
// decoded with the Windows Imaging Component the first time each is drawn
// and kept. On a screen above 100 % the double-resolution copy is used
// where there is one. A missing picture draws nothing.
class PictureStore {
public:
    explicit PictureStore(HINSTANCE instance);
    ~PictureStore();
    PictureStore(const PictureStore&) = delete;
    PictureStore& operator=(const PictureStore&) = delete;

    // Decodes `names` for `scale` on a thread of their own, while the
    // windows are being made; the first draw waits for it.
    void preload(std::span<const std::string_view> names, const Scale& scale);

    // Draws `name` with its top left corner at (left, top) in logical pixels,
    // at its own size in logical pixels.
    void draw(HDC dc, std::string_view name, int left, int top, const Scale& scale);

private:
    struct Decoded {
        GdiObject<HBITMAP> bitmap;
        int width = 0;
        int height = 0;
        bool translucent = false;
    };
    static DWORD WINAPI preloadAll(void* store);
    void waitForPreload();
    [[nodiscard]] const Decoded* find(std::string_view name, bool sharp);
    [[nodiscard]] Decoded decode(IWICImagingFactory* factory, const std::wstring& resource) const;

    HINSTANCE instance_;
    IWICImagingFactory* factory_ = nullptr; // the windows' thread's, made at its first decode
    bool comStarted_ = false;
    std::map<std::wstring, Decoded> decoded_; // the preload's own until it ends
    std::vector<std::wstring> preloaded_;
    HANDLE preloading_ = nullptr;
};

} // namespace stackfall
