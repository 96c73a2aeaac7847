#pragma once
// Functions of system libraries the launcher needs only on request (the file
// chooser's comdlg32, the COM runtime's ole32), looked up on their first call
// instead of imported: an imported library is loaded at every start, and these
// two, with what comdlg32 brings along (the print spooler), cost tens of
// milliseconds of each start under Wine. Call their functions through here only;
// one direct call would import the library again.
#include <windows.h>

namespace zek::win32 {

// The named function, its library loaded on first use and kept for the process;
// nullptr when either cannot be had.
FARPROC systemFunction(const char* library, const char* name);

template <typename Function>
Function* systemFunction(const char* library, const char* name) {
    // Through the plain function pointer type, which converts to any other.
    return reinterpret_cast<Function*>(reinterpret_cast<void (*)()>(systemFunction(library, name)));
}

// The COM runtime's three functions the launcher uses.
HRESULT comInitialize();
void comUninitialize();
HRESULT comCreateInstance(REFCLSID type, REFIID interfaceId, void** object);

}  // namespace zek::win32
