// SPDX-License-Identifier: GPL-3.0-or-later
#include "PictureStore.h"

#include <cwctype>
#include <vector>
#include <wincodec.h>

namespace stackfall {

namespace {

// Releases a COM interface with its scope.
template <typename T>
class Com {
public:
    Com() = default;
    ~Com() {
        if (p_ != nullptr) {
            p_->Release();
        }
    }
    Com(const Com&) = delete;
    Com& operator=(const Com&) = delete;
    T* operator->() const { return p_; }
    [[nodiscard]] T* get() const { return p_; }
    T** out() { return &p_; }

private:
    T* p_ = nullptr;
};

// The imaging factory of the calling thread's apartment.
IWICImagingFactory* makeFactory() {
    IWICImagingFactory* factory = nullptr;
    if (FAILED(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER,
                                IID_PPV_ARGS(&factory)))) {
        return nullptr;
    }
    return factory;
}

std::wstring resourceName(std::string_view name, bool sharp) {
    std::wstring result;
    for (const char c : name) {
        result += static_cast<wchar_t>(std::towupper(static_cast<wint_t>(c)));
    }
    return sharp ? result + L"_2X" : result;
}

} // namespace

PictureStore::PictureStore(HINSTANCE instance) : instance_(instance) {
}

PictureStore::~PictureStore() {
    waitForPreload();
    decoded_.clear();
    if (factory_ != nullptr) {
        factory_->Release();
    }
    if (comStarted_) {
        CoUninitialize();
    }
}

void PictureStore::preload(std::span<const std::string_view> names, const Scale& scale) {
    waitForPreload();
    preloaded_.clear();
    for (const std::string_view name : names) {
        preloaded_.push_back(resourceName(name, scale.sharp()));
    }
    // Without a thread, each picture is decoded when first drawn.
    preloading_ = CreateThread(nullptr, 0, preloadAll, this, 0, nullptr);
}

DWORD WINAPI PictureStore::preloadAll(void* store) {
    auto* self = static_cast<PictureStore*>(store);
    const bool started = SUCCEEDED(CoInitializeEx(nullptr, COINIT_MULTITHREADED));
    if (IWICImagingFactory* factory = makeFactory(); factory != nullptr) {
        for (const std::wstring& resource : self->preloaded_) {
            self->decoded_.emplace(resource, self->decode(factory, resource));
        }
        factory->Release();
    }
    if (started) {
        CoUninitialize();
    }
    return 0;
}

void PictureStore::waitForPreload() {
    if (preloading_ != nullptr) {
        WaitForSingleObject(preloading_, INFINITE);
        CloseHandle(preloading_);
        preloading_ = nullptr;
    }
}

const PictureStore::Decoded* PictureStore::find(std::string_view name, bool sharp) {
    waitForPreload();
    const std::wstring resource = resourceName(name, sharp);
    auto found = decoded_.find(resource);
    if (found == decoded_.end()) {
        if (factory_ == nullptr && !comStarted_) {
            comStarted_ = SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED));
            factory_ = makeFactory();
        }
        found = decoded_.emplace(resource, decode(factory_, resource)).first;
    }
    return found->second.bitmap ? &found->second : nullptr;
}

PictureStore::Decoded PictureStore::decode(IWICImagingFactory* factory,
                                           const std::wstring& resource) const {
    HRSRC info = FindResourceW(instance_, resource.c_str(), L"PNG");
    HGLOBAL loaded = info != nullptr ? LoadResource(instance_, info) : nullptr;
    const void* bytes = loaded != nullptr ? LockResource(loaded) : nullptr;
    if (bytes == nullptr || factory == nullptr) {
        return {};
    }
    Com<IWICStream> stream;
    Com<IWICBitmapDecoder> decoder;
    Com<IWICBitmapFrameDecode> frame;
    Com<IWICFormatConverter> converter;
    UINT width = 0;
    UINT height = 0;
    if (FAILED(factory->CreateStream(stream.out())) ||
        FAILED(stream->InitializeFromMemory(static_cast<BYTE*>(const_cast<void*>(bytes)),
                                            SizeofResource(instance_, info))) ||
        FAILED(factory->CreateDecoderFromStream(stream.get(), nullptr,
                                                WICDecodeMetadataCacheOnDemand, decoder.out())) ||
        FAILED(decoder->GetFrame(0, frame.out())) ||
        FAILED(factory->CreateFormatConverter(converter.out())) ||
        FAILED(converter->Initialize(frame.get(), GUID_WICPixelFormat32bppPBGRA,
                                     WICBitmapDitherTypeNone, nullptr, 0.0,
                                     WICBitmapPaletteTypeCustom)) ||
        FAILED(converter->GetSize(&width, &height))) {
        return {};
    }

    BITMAPINFO info32{};
    info32.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info32.bmiHeader.biWidth = static_cast<LONG>(width);
    info32.bmiHeader.biHeight = -static_cast<LONG>(height); // top row first
    info32.bmiHeader.biPlanes = 1;
    info32.bmiHeader.biBitCount = 32;
    info32.bmiHeader.biCompression = BI_RGB;
    void* pixels = nullptr;
    Decoded result;
    result.bitmap.reset(CreateDIBSection(nullptr, &info32, DIB_RGB_COLORS, &pixels, nullptr, 0));
    const UINT stride = width * 4;
    if (!result.bitmap || FAILED(converter->CopyPixels(nullptr, stride, stride * height,
                                                       static_cast<BYTE*>(pixels)))) {
        return {};
    }
    result.width = static_cast<int>(width);
    result.height = static_cast<int>(height);
    const auto* bgra = static_cast<const BYTE*>(pixels);
    for (std::size_t i = 3; i < std::size_t{stride} * height && !result.translucent; i += 4) {
        result.translucent = bgra[i] != 0xff;
    }
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
