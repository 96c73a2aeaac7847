#include "win32/platform/system_function.h"

#include <objbase.h>

namespace zek::win32 {

FARPROC systemFunction(const char* library, const char* name) {
    // user32, comdlg32 and ole32 are known libraries: the system loads them from
    // its own folder whatever the search path holds.
    HMODULE module = ::GetModuleHandleA(library);
    if (module == nullptr) {
        module = ::LoadLibraryA(library);
    }
    return module != nullptr ? ::GetProcAddress(module, name) : nullptr;
}

namespace {

template <typename Function>
Function* ole32(const char* name) {
    return systemFunction<Function>("ole32.dll", name);
}

}  // namespace

HRESULT comInitialize() {
    static const auto initialize = ole32<decltype(::CoInitialize)>("CoInitialize");
    return initialize != nullptr ? initialize(nullptr) : E_NOTIMPL;
}

void comUninitialize() {
    static const auto uninitialize = ole32<decltype(::CoUninitialize)>("CoUninitialize");
    if (uninitialize != nullptr) {
        uninitialize();
    }
}

HRESULT comCreateInstance(REFCLSID type, REFIID interfaceId, void** object) {
    static const auto create = ole32<decltype(::CoCreateInstance)>("CoCreateInstance");
    if (create == nullptr) {
        *object = nullptr;
        return E_NOTIMPL;
    }
    return create(type, nullptr, CLSCTX_INPROC_SERVER, interfaceId, object);
}

}  // namespace zek::win32
