#include "support/ImportTable.h"

namespace qvtest {
namespace {

bool SameName(const char* a, const char* b) {
    return lstrcmpA(a, b) == 0;
}

// Calls visit(slot) for every slot of `module`'s import address table that imports `function`
// (by name) from `dll`; stops early when visit returns true.
template <class Visit>
void ForEachSlot(HMODULE module, const char* dll, const char* function, Visit visit) {
    auto* base = reinterpret_cast<BYTE*>(module);
    const auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(base);
    const auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
    const IMAGE_DATA_DIRECTORY& imports =
        nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
    if (imports.VirtualAddress == 0)
        return;
    for (auto* d = reinterpret_cast<IMAGE_IMPORT_DESCRIPTOR*>(base + imports.VirtualAddress);
         d->Name != 0; ++d) {
        if (lstrcmpiA(reinterpret_cast<const char*>(base + d->Name), dll) != 0)
            continue;
        // The lookup table names the imports; the address table beside it holds what is called.
        const DWORD lookup = d->OriginalFirstThunk ? d->OriginalFirstThunk : d->FirstThunk;
        auto* names = reinterpret_cast<const IMAGE_THUNK_DATA*>(base + lookup);
        auto* slots = reinterpret_cast<IMAGE_THUNK_DATA*>(base + d->FirstThunk);
        for (; names->u1.AddressOfData != 0; ++names, ++slots) {
            if (IMAGE_SNAP_BY_ORDINAL(names->u1.Ordinal))
                continue;
            const auto* byName =
                reinterpret_cast<const IMAGE_IMPORT_BY_NAME*>(base + names->u1.AddressOfData);
            if (SameName(reinterpret_cast<const char*>(byName->Name), function) && visit(*slots))
                return;
        }
    }
}

} // namespace

int ReplaceImport(HMODULE module, const char* dll, const char* function, FARPROC replacement) {
    int replaced = 0;
    ForEachSlot(module, dll, function, [&](IMAGE_THUNK_DATA& slot) {
        DWORD protection = 0;
        VirtualProtect(&slot.u1.Function, sizeof slot.u1.Function, PAGE_READWRITE, &protection);
        slot.u1.Function = reinterpret_cast<ULONG_PTR>(replacement);
        VirtualProtect(&slot.u1.Function, sizeof slot.u1.Function, protection, &protection);
        ++replaced;
        return false;
    });
    return replaced;
}

FARPROC CurrentImport(HMODULE module, const char* dll, const char* function) {
    FARPROC current = nullptr;
    ForEachSlot(module, dll, function, [&](IMAGE_THUNK_DATA& slot) {
        current = reinterpret_cast<FARPROC>(slot.u1.Function);
        return true;
    });
    return current;
}

} // namespace qvtest
