#pragma once
// Icons as a desktop has them: icon files written byte by byte, shortcuts, document types
// registered for a while, the program's stock icons; the pixels of what is drawn off screen.
#include <windows.h>

#include <shlobj.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "driver/process.h"
#include "win32/platform/com_ptr.h"
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

// Saves a shortcut to `target`; false when the shell link object refuses.
inline bool createShortcut(const std::string& linkPath, const std::string& target,
                           const std::string& arguments = "") {
    const win32::ScopedComApartment apartment;
    win32::ComPtr<IShellLinkA> link;
    win32::ComPtr<IPersistFile> file;
    wchar_t widePath[MAX_PATH];
    return SUCCEEDED(::CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                        link.receive())) &&
           SUCCEEDED(link->SetPath(target.c_str())) && SUCCEEDED(link->SetArguments(arguments.c_str())) &&
           SUCCEEDED(link->QueryInterface(IID_IPersistFile, file.receive())) &&
           ::MultiByteToWideChar(CP_ACP, 0, linkPath.c_str(), -1, widePath, MAX_PATH) != 0 &&
           SUCCEEDED(file->Save(widePath, TRUE));
}

inline std::string ownProgramPath() {
    char path[MAX_PATH] = {};
    return std::string(path, ::GetModuleFileNameA(nullptr, path, sizeof path));
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

}  // namespace zek::e2e
