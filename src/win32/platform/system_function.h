#pragma once
// Functions of system libraries looked up at run time instead of imported. The
// launcher needs comdlg32 (the file chooser) and ole32 (the COM runtime) only on
// request: an imported library is loaded at every start, and these two, with what
// comdlg32 brings along (the print spooler), cost tens of milliseconds of each
// start under Wine. Call their functions through here only; one direct call would
// import the library again. user32's SetLayeredWindowAttributes is looked up too,
// as systems without it must still start.
#include <windows.h>

namespace zek::win32 {

// The named function, its library loaded on first use and kept for the process;
// nullptr when either cannot be had.
FARPROC systemFunction(const char* library, const char* name);

// The named function of `module`, a library the caller keeps loaded for as long as
// it calls it; nullptr when the library has none.
template <typename Function>
Function* functionOf(HMODULE module, const char* name) {
    // Through the plain function pointer type, which converts to any other.
    return reinterpret_cast<Function*>(reinterpret_cast<void (*)()>(::GetProcAddress(module, name)));
}

template <typename Function>
Function* systemFunction(const char* library, const char* name) {
    return reinterpret_cast<Function*>(reinterpret_cast<void (*)()>(systemFunction(library, name)));
}

// The COM runtime's three functions the launcher uses.
HRESULT comInitialize();
void comUninitialize();
HRESULT comCreateInstance(REFCLSID type, REFIID interfaceId, void** object);

}  // namespace zek::win32
