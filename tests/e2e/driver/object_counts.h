#pragma once
// What a process holds: its handles, GDI and USER objects and committed memory, to
// prove that nothing piles up. For the own process (icons and image lists given
// back): Windows answers through GetGuiResources; Wine only stubs it
// (0, ERROR_CALL_NOT_IMPLEMENTED) but keeps a GDI handle table of the process's own
// at the place Windows keeps its shared one (PEB GdiSharedHandleTable), so there the
// live entries are counted. Under Wine an icon's colour and mask bitmaps are GDI
// objects of that table, so a leaked icon shows in the GDI count too.
#include <windows.h>
// After windows.h, which it needs.
#include <psapi.h>

#include <cstddef>
#include <cstdint>
#include <optional>

namespace zek::e2e {

struct GuiObjectCounts {
    std::uint32_t gdi = 0;
    std::optional<std::uint32_t> user;  // none where the system cannot tell

    bool operator==(const GuiObjectCounts&) const = default;
};

namespace detail {

// One entry of the GDI handle table (GDI_HANDLE_ENTRY / GDICELL) on x86_64.
struct GdiHandleEntry {
    std::uint64_t object;
    std::uint16_t processId;
    std::uint16_t count;
    std::uint16_t unique;
    std::uint16_t type;  // 0 for a free entry
    std::uint64_t userPointer;
};
static_assert(sizeof(GdiHandleEntry) == 24);

constexpr std::size_t kGdiHandleTableEntries = 0x10000;
constexpr std::size_t kGdiTableOffsetInPeb = 0xF8;

inline std::optional<std::uint32_t> liveEntriesOfOwnGdiTable() {
#if defined(_WIN64)
    using GetPeb = void*(WINAPI*)();
    const FARPROC found = ::GetProcAddress(::GetModuleHandleA("ntdll.dll"), "RtlGetCurrentPeb");
    const auto getPeb = reinterpret_cast<GetPeb>(reinterpret_cast<void*>(found));
    if (getPeb == nullptr) {
        return std::nullopt;
    }
    const auto* peb = static_cast<const std::uint8_t*>(getPeb());
    const auto* table = *reinterpret_cast<const GdiHandleEntry* const*>(peb + kGdiTableOffsetInPeb);
    if (table == nullptr) {
        return std::nullopt;
    }
    std::uint32_t live = 0;
    for (std::size_t i = 0; i < kGdiHandleTableEntries; ++i) {
        live += table[i].type != 0 ? 1 : 0;
    }
    return live;
#else
    return std::nullopt;
#endif
}

}  // namespace detail

// None when neither way works on this system.
inline std::optional<GuiObjectCounts> countGuiObjects() {
    const HANDLE self = ::GetCurrentProcess();
    ::SetLastError(ERROR_SUCCESS);
    const DWORD gdi = ::GetGuiResources(self, GR_GDIOBJECTS);
    if (::GetLastError() != ERROR_CALL_NOT_IMPLEMENTED) {
        return GuiObjectCounts{gdi, ::GetGuiResources(self, GR_USEROBJECTS)};
    }
    const std::optional<std::uint32_t> tableCount = detail::liveEntriesOfOwnGdiTable();
    if (!tableCount) {
        return std::nullopt;
    }
    return GuiObjectCounts{*tableCount, std::nullopt};
}

// Another process as the system counts it; GDI and USER objects are 0 where the
// system does not count them for other processes.
struct ProcessUsage {
    DWORD handles = 0;
    DWORD gdiObjects = 0;
    DWORD userObjects = 0;
    SIZE_T committedBytes = 0;
};

inline ProcessUsage usageOf(DWORD processId) {
    ProcessUsage usage;
    const HANDLE process = ::OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, processId);
    if (process == nullptr) {
        return usage;
    }
    ::GetProcessHandleCount(process, &usage.handles);
    usage.gdiObjects = ::GetGuiResources(process, GR_GDIOBJECTS);
    usage.userObjects = ::GetGuiResources(process, GR_USEROBJECTS);
    PROCESS_MEMORY_COUNTERS_EX memory{};
    if (::GetProcessMemoryInfo(process, reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&memory), sizeof memory)) {
        usage.committedBytes = memory.PrivateUsage != 0 ? memory.PrivateUsage : memory.PagefileUsage;
    }
    ::CloseHandle(process);
    return usage;
}

}  // namespace zek::e2e
