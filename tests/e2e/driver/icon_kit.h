#pragma once
// Icons as a user's desktop has them: icon files written byte by byte, shortcuts
// made with the shell link object, document types registered for a while, the
// program's module with the stock icons; and the pixels of what is drawn off screen.
#include <windows.h>

#include <objbase.h>
#include <objidl.h>
#include <shlobj.h>

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "driver/process.h"
#include "win32/platform/com_ptr.h"
#include "win32/platform/unique_handle.h"

namespace zek::e2e {

using win32::ComPtr;
using win32::ScopedComApartment;
using win32::UniqueBitmap;
using win32::UniqueMemoryDC;
using win32::UniqueModule;
using win32::UniqueRegKey;

// Colours as a 32-bit DIB holds them (0xAARRGGBB, alpha ignored when compared).
inline constexpr std::uint32_t kRed = 0xFF0000;
inline constexpr std::uint32_t kBlue = 0x0000FF;
inline constexpr std::uint32_t kBackground = 0x00FF00;  // green, where an icon is see-through

inline void appendLittleEndian(std::string& out, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) {
        out.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
    }
}

struct IconFrame {
    int size;  // width and height
    std::uint32_t colour;
};

// An .ico file of solid, fully opaque 32-bit frames.
inline std::string icoFileBytes(const std::vector<IconFrame>& frames) {
    std::string header;
    appendLittleEndian(header, 0, 2);
    appendLittleEndian(header, 1, 2);  // type: icon
    appendLittleEndian(header, static_cast<std::uint32_t>(frames.size()), 2);
    std::string images;
    const std::uint32_t firstImage = 6 + 16 * static_cast<std::uint32_t>(frames.size());
    for (const IconFrame& frame : frames) {
        const std::uint32_t maskStride = ((frame.size + 31) / 32) * 4;
        std::string image;
        appendLittleEndian(image, 40, 4);
        appendLittleEndian(image, frame.size, 4);
        appendLittleEndian(image, frame.size * 2, 4);  // colour and mask rows
        appendLittleEndian(image, 1, 2);
        appendLittleEndian(image, 32, 2);
        for (int i = 0; i < 6; ++i) {
            appendLittleEndian(image, 0, 4);
        }
        for (int pixel = 0; pixel < frame.size * frame.size; ++pixel) {
            appendLittleEndian(image, frame.colour | 0xFF000000u, 4);
        }
        image.append(maskStride * frame.size, '\0');  // all opaque

        appendLittleEndian(header, frame.size, 1);
        appendLittleEndian(header, frame.size, 1);
        appendLittleEndian(header, 0, 2);  // colour count, reserved
        appendLittleEndian(header, 1, 2);  // planes
        appendLittleEndian(header, 32, 2);
        appendLittleEndian(header, static_cast<std::uint32_t>(image.size()), 4);
        appendLittleEndian(header, firstImage + static_cast<std::uint32_t>(images.size()), 4);
        images += image;
    }
    return header + images;
}

// Saves a shortcut to `target`; false when the shell link object refuses.
inline bool createShortcut(const std::string& linkPath, const std::string& target,
                           const std::string& arguments = "") {
    const ScopedComApartment apartment;
    ComPtr<IShellLinkA> link;
    ComPtr<IPersistFile> file;
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
    ::GetModuleFileNameA(nullptr, path, sizeof path);
    return path;
}

inline std::string launcherProgramPath() {
    return ownDirectory() + "ZekLauncher.exe";
}

inline UniqueModule loadAsDataFile(const std::string& path) {
    return UniqueModule(
        ::LoadLibraryExA(path.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE));
}

inline int iconWidth(HICON icon) {
    ICONINFO info{};
    if (icon == nullptr || !::GetIconInfo(icon, &info)) {
        return 0;
    }
    const UniqueBitmap colour(info.hbmColor);
    const UniqueBitmap mask(info.hbmMask);
    BITMAP bitmap{};
    ::GetObjectA(mask.get(), sizeof bitmap, &bitmap);
    return bitmap.bmWidth;
}

// Draws into a 32-bit top-down surface filled with kBackground and returns its
// pixels (0x00RRGGBB, as e2e::ScreenImage holds them).
template <typename Draw>
std::vector<std::uint32_t> renderPixels(int width, int height, Draw draw) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    const UniqueMemoryDC dc(::CreateCompatibleDC(nullptr));
    const UniqueBitmap surface(::CreateDIBSection(dc.get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!dc || !surface) {
        return {};
    }
    const HGDIOBJ previous = ::SelectObject(dc.get(), surface.get());
    auto* pixels = static_cast<std::uint32_t*>(bits);
    std::fill(pixels, pixels + width * height, kBackground);
    draw(dc.get());
    ::GdiFlush();
    std::vector<std::uint32_t> result(pixels, pixels + width * height);
    for (std::uint32_t& pixel : result) {
        pixel &= 0xFFFFFF;
    }
    ::SelectObject(dc.get(), previous);
    return result;
}

inline std::vector<std::uint32_t> iconPixels(HICON icon, int size) {
    return renderPixels(size, size,
                        [&](HDC dc) { ::DrawIconEx(dc, 0, 0, icon, size, size, 0, nullptr, DI_NORMAL); });
}

inline std::uint32_t centrePixel(const std::vector<std::uint32_t>& pixels, int size) {
    return pixels.empty() ? 0xFFFFFFFF : pixels[(size / 2) * size + size / 2];
}

// A document type registered for the lifetime of the object: ".ext" -> class ->
// class\DefaultIcon. Per-user classes are tried first; where HKEY_CLASSES_ROOT does
// not show them (older Wine), the machine's classes are written instead.
class ScopedDocumentType {
  public:
    ScopedDocumentType(std::string extension, std::string className)
        : extension_(std::move(extension)), className_(std::move(className)) {
        root_ = HKEY_CURRENT_USER;
        prefix_ = "Software\\Classes\\";
        if (!setText(extension_, className_) || !visibleInClassesRoot()) {
            removeAll();
            root_ = HKEY_CLASSES_ROOT;
            prefix_.clear();
            registered_ = setText(extension_, className_);
        } else {
            registered_ = true;
        }
    }
    ScopedDocumentType(const ScopedDocumentType&) = delete;
    ScopedDocumentType& operator=(const ScopedDocumentType&) = delete;
    ~ScopedDocumentType() { removeAll(); }

    bool registered() const { return registered_; }

    // The default value of class\DefaultIcon, as raw bytes of the given type.
    bool setDefaultIcon(std::string_view bytes, DWORD type = REG_SZ) {
        return setValue(className_ + "\\DefaultIcon", bytes, type);
    }
    bool setDefaultIconText(const std::string& text) {
        return setDefaultIcon(std::string_view(text.c_str(), text.size() + 1));
    }

  private:
    bool setText(const std::string& key, const std::string& text) {
        return setValue(key, std::string_view(text.c_str(), text.size() + 1), REG_SZ);
    }

    bool setValue(const std::string& key, std::string_view bytes, DWORD type) {
        HKEY created = nullptr;
        if (::RegCreateKeyExA(root_, (prefix_ + key).c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &created,
                              nullptr) != ERROR_SUCCESS) {
            return false;
        }
        const UniqueRegKey owner(created);
        return ::RegSetValueExA(created, nullptr, 0, type, reinterpret_cast<const BYTE*>(bytes.data()),
                                static_cast<DWORD>(bytes.size())) == ERROR_SUCCESS;
    }

    bool visibleInClassesRoot() const {
        HKEY opened = nullptr;
        if (::RegOpenKeyExA(HKEY_CLASSES_ROOT, extension_.c_str(), 0, KEY_READ, &opened) != ERROR_SUCCESS) {
            return false;
        }
        ::RegCloseKey(opened);
        return true;
    }

    void removeAll() {
        ::RegDeleteTreeA(root_, (prefix_ + extension_).c_str());
        ::RegDeleteKeyA(root_, (prefix_ + extension_).c_str());
        ::RegDeleteTreeA(root_, (prefix_ + className_).c_str());
        ::RegDeleteKeyA(root_, (prefix_ + className_).c_str());
    }

    std::string extension_;
    std::string className_;
    HKEY root_ = HKEY_CURRENT_USER;
    std::string prefix_;
    bool registered_ = false;
};

}  // namespace zek::e2e
