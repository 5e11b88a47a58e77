// KERNEL32's exports read from its export table agree with what Wine's
// GetProcAddress finds.
#include "main/ExportedProcs.h"
#include "support/Win9xPersonality.h"
#include <gtest/gtest.h>

namespace {

// The ordinal of a named export, from the export table's name and ordinal
// arrays.
WORD OrdinalOf(HMODULE module, const char* name) {
    const auto* base = reinterpret_cast<const BYTE*>(module);
    const auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(
        base + reinterpret_cast<const IMAGE_DOS_HEADER*>(base)->e_lfanew);
    const auto* dir = reinterpret_cast<const IMAGE_EXPORT_DIRECTORY*>(
        base + nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_EXPORT].VirtualAddress);
    const auto* names = reinterpret_cast<const DWORD*>(base + dir->AddressOfNames);
    const auto* ordinals = reinterpret_cast<const WORD*>(base + dir->AddressOfNameOrdinals);
    for (DWORD i = 0; i < dir->NumberOfNames; ++i)
        if (lstrcmpA(reinterpret_cast<const char*>(base + names[i]), name) == 0)
            return static_cast<WORD>(dir->Base + ordinals[i]);
    return 0;
}

TEST(ExportedProcByOrdinal, AgreesWithGetProcAddressOnKernel32) {
    HMODULE kernel32 = GetModuleHandleA("kernel32.dll");
    // 35, 36, 37: the 16-bit loader entry points on 32-bit Windows 9x (and Wine,
    // which forwards them to KRNL386); other functions, or none, elsewhere.
    for (WORD ordinal : {35, 36, 37}) {
        const FARPROC wine = qvtest::WineGetProcAddress(kernel32, MAKEINTRESOURCEA(ordinal));
#if defined(__i386__)
        ASSERT_NE(wine, nullptr) << ordinal;
#endif
        EXPECT_EQ(qv::ExportedProcByOrdinal(kernel32, ordinal), wine) << ordinal;
    }
    for (const char* name : {"GetVersion", "GlobalMemoryStatus", "GetProcAddress"}) {
        const WORD ordinal = OrdinalOf(kernel32, name);
        ASSERT_NE(ordinal, 0) << name;
        const FARPROC wine = qvtest::WineGetProcAddress(kernel32, name);
        ASSERT_NE(wine, nullptr) << name;
        EXPECT_EQ(qv::ExportedProcByOrdinal(kernel32, ordinal), wine) << name;
    }
}

TEST(ExportedProcByOrdinal, NothingOutsideTheTable) {
    HMODULE kernel32 = GetModuleHandleA("kernel32.dll");
    EXPECT_EQ(qv::ExportedProcByOrdinal(kernel32, 0), nullptr);
    EXPECT_EQ(qv::ExportedProcByOrdinal(kernel32, 65535), nullptr);
    EXPECT_EQ(qv::ExportedProcByOrdinal(nullptr, 35), nullptr);
}

} // namespace
