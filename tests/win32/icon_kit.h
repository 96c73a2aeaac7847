#pragma once
// What the adapter tests set up and read back: icon files written byte by byte, document
// types registered for a while, the program's stock icons, the pixels of what is drawn
// off screen, and this process's GDI objects and handles.
#include <windows.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "driver/process.h"
#include "win32/platform/unique_handle.h"

namespace zek::e2e {

// Colours as a 32-bit DIB holds them (0x00RRGGBB).
inline constexpr std::uint32_t kRed = 0xFF0000;
inline constexpr std::uint32_t kBlue = 0x0000FF;

// An .ico file of solid, fully opaque 32-bit frames, each {size, colour}.
inline std::string icoFileBytes(const std::vector<std::pair<int, std::uint32_t>>& frames) {
    const auto put = [](std::string& out, std::uint32_t word) {
        out.append(reinterpret_cast<char*>(&word), 4);
    };
    std::string header{'\0', '\0', '\1', '\0', static_cast<char>(frames.size()),
                       '\0'};  // an icon, its frames
    std::string images;
    for (const auto& [size, colour] : frames) {
        // Width, height, no palette, one plane, 32 bits, its bytes and where they start.
        put(header, size | size << 8);
        put(header, 1 | 32 << 16);
        put(header, 40 + 4 * size * size + (size + 31) / 32 * 4 * size);
        put(header, 6 + 16 * frames.size() + images.size());
        // The bitmap header: as high as the colour and mask rows together, 32 bits a pixel.
        for (const int field : {40, size, size * 2, 1 | 32 << 16, 0, 0, 0, 0, 0, 0}) {
            put(images, field);
        }
        for (int pixel = 0; pixel < size * size; ++pixel) {
            put(images, colour | 0xFF000000u);
        }
        images.append(static_cast<std::size_t>((size + 31) / 32 * 4 * size), '\0');  // the mask: all opaque
    }
    return header + images;
}

inline std::string launcherProgramPath() {
    return ownDirectory() + "ZekLauncher.exe";
}

inline win32::UniqueModule loadAsDataFile(const std::string& path) {
    return win32::UniqueModule(
        ::LoadLibraryExA(path.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE));
}

// Draws on a 32-bit surface filled with `fill` (green: where an icon is see-through); its
// top-down rows of pixels (0x00RRGGBB, as e2e::ScreenImage holds them), empty when GDI could not make it.
template <typename Draw>
std::vector<std::uint32_t> renderPixels(int width, int height, Draw draw, std::uint32_t fill = 0x00FF00) {
    BITMAPINFO info{{sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB}, {}};
    void* bits = nullptr;
    const win32::UniqueMemoryDC dc(::CreateCompatibleDC(nullptr));
    const win32::UniqueBitmap surface(::CreateDIBSection(dc.get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!dc || !surface) {
        return {};
    }
    const HGDIOBJ previous = ::SelectObject(dc.get(), surface.get());
    auto* const pixels = static_cast<std::uint32_t*>(bits);
    std::fill(pixels, pixels + width * height, fill);
    draw(dc.get());
    ::GdiFlush();
    std::vector<std::uint32_t> result(pixels, pixels + width * height);
    ::SelectObject(dc.get(), previous);
    std::ranges::for_each(result, [](std::uint32_t& pixel) { pixel &= 0xFFFFFF; });
    return result;
}

inline std::vector<std::uint32_t> iconPixels(HICON icon, int size = 16) {
    return renderPixels(size, size,
                        [&](HDC dc) { ::DrawIconEx(dc, 0, 0, icon, size, size, 0, nullptr, DI_NORMAL); });
}

// The colour at the centre of the icon drawn 16 x 16.
inline std::uint32_t centreOf(HICON icon) {
    return iconPixels(icon).at(8 * 16 + 8);
}

// A document type ".ext" -> class -> class\DefaultIcon, registered while the object
// lives. Written into HKEY_CLASSES_ROOT itself: Wine 8 shows no per-user classes there.
class ScopedDocumentType {
  public:
    ScopedDocumentType(std::string extension, std::string className)
        : extension_(std::move(extension)),
          className_(std::move(className)),
          registered_(setValue(extension_, className_ + '\0')) {}
    ScopedDocumentType(const ScopedDocumentType&) = delete;
    ScopedDocumentType& operator=(const ScopedDocumentType&) = delete;
    ~ScopedDocumentType() {
        ::RegDeleteTreeA(HKEY_CLASSES_ROOT, extension_.c_str());
        ::RegDeleteTreeA(HKEY_CLASSES_ROOT, className_.c_str());
    }

    bool registered() const { return registered_; }
    // The default value of class\DefaultIcon, as raw bytes of the given type.
    bool setDefaultIcon(std::string_view bytes, DWORD type = REG_SZ) const {
        return setValue(className_ + "\\DefaultIcon", bytes, type);
    }
    bool setDefaultIconText(const std::string& text) const { return setDefaultIcon(text + '\0'); }

  private:
    static bool setValue(const std::string& key, std::string_view bytes, DWORD type = REG_SZ) {
        return ::RegSetKeyValueA(HKEY_CLASSES_ROOT, key.c_str(), nullptr, type, bytes.data(),
                                 static_cast<DWORD>(bytes.size())) == ERROR_SUCCESS;
    }

    std::string extension_;
    std::string className_;
    bool registered_;
};

// What a process holds, to prove that nothing piles up. For the own process Wine
// only stubs GetGuiResources (0, ERROR_CALL_NOT_IMPLEMENTED) but keeps its GDI handle
// table where Windows keeps the shared one (PEB GdiSharedHandleTable): there the
// live entries are counted. An icon's bitmaps are entries too, so a leaked icon shows.
// This process's GDI objects; none when neither way works on this system.
inline std::optional<std::uint32_t> countGdiObjects() {
    ::SetLastError(ERROR_SUCCESS);
    const DWORD counted = ::GetGuiResources(::GetCurrentProcess(), GR_GDIOBJECTS);
    if (::GetLastError() != ERROR_CALL_NOT_IMPLEMENTED) {
        return counted;
    }
#if defined(_WIN64)
    using GetPeb = const std::uint8_t*(WINAPI*)();
    const FARPROC found = ::GetProcAddress(::GetModuleHandleA("ntdll.dll"), "RtlGetCurrentPeb");
    const auto getPeb = reinterpret_cast<GetPeb>(reinterpret_cast<void*>(found));
    const std::uint8_t* table = nullptr;
    if (getPeb != nullptr) {
        std::memcpy(&table, getPeb() + 0xF8, sizeof table);
    }
    if (table != nullptr) {
        // 0x10000 entries (GDI_HANDLE_ENTRY) of 24 bytes, each with its type at byte 14: 0 when free.
        std::uint32_t live = 0;
        for (std::size_t entry = 0; entry < 0x10000; ++entry) {
            std::uint16_t type = 0;
            std::memcpy(&type, table + entry * 24 + 14, sizeof type);
            live += type != 0 ? 1 : 0;
        }
        return live;
    }
#endif
    return std::nullopt;
}

// This process's handles. Wine counts none (GetProcessHandleCount gives 0); there the
// numbers a handle may have are tried one by one.
inline DWORD countHandles() {
    DWORD count = 0;
    if (::GetProcessHandleCount(::GetCurrentProcess(), &count) && count != 0) {
        return count;
    }
    for (std::uintptr_t value = 4; value < 4 * 16384; value += 4) {
        DWORD flags = 0;
        count += ::GetHandleInformation(reinterpret_cast<HANDLE>(value), &flags) ? 1 : 0;
    }
    return count;
}

}  // namespace zek::e2e
