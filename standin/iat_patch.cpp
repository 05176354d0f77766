#include "iat_patch.h"

#include <cstring>

namespace standin {
namespace {

template <typename T>
T* Rva(HMODULE module, DWORD rva) {
    return reinterpret_cast<T*>(reinterpret_cast<BYTE*>(module) + rva);
}

void* RealAddress(const char* dll, const char* name) {
    HMODULE m = GetModuleHandleA(dll);
    return m ? reinterpret_cast<void*>(GetProcAddress(m, name)) : nullptr;
}

void Redirect(IMAGE_THUNK_DATA32* slot, void* replacement) {
    DWORD old = 0;
    VirtualProtect(&slot->u1.Function, sizeof slot->u1.Function, PAGE_READWRITE, &old);
    slot->u1.Function = static_cast<DWORD>(reinterpret_cast<uintptr_t>(replacement));
    VirtualProtect(&slot->u1.Function, sizeof slot->u1.Function, old, &old);
}

}  // namespace

void PatchImports(HMODULE module, ImportHook* hooks, int hookCount) {
    auto* dos = reinterpret_cast<IMAGE_DOS_HEADER*>(module);
    auto* nt = Rva<IMAGE_NT_HEADERS32>(module, dos->e_lfanew);
    const IMAGE_DATA_DIRECTORY& dir = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
    if (!dir.VirtualAddress) return;
    for (auto* d = Rva<IMAGE_IMPORT_DESCRIPTOR>(module, dir.VirtualAddress); d->Name; ++d) {
        const char* dll = Rva<const char>(module, d->Name);
        auto* slots = Rva<IMAGE_THUNK_DATA32>(module, d->FirstThunk);
        auto* names = d->OriginalFirstThunk ? Rva<IMAGE_THUNK_DATA32>(module, d->OriginalFirstThunk) : nullptr;
        for (int i = 0; slots[i].u1.Function; ++i) {
            const char* name = nullptr;
            if (names && !(names[i].u1.Ordinal & IMAGE_ORDINAL_FLAG32))
                name = Rva<IMAGE_IMPORT_BY_NAME>(module, names[i].u1.AddressOfData)->Name;
            for (int h = 0; h < hookCount; ++h) {
                bool match = name ? std::strcmp(name, hooks[h].name) == 0
                                  : reinterpret_cast<void*>(slots[i].u1.Function) == RealAddress(dll, hooks[h].name);
                if (match) {
                    Redirect(&slots[i], hooks[h].replacement);
                    ++hooks[h].patched;
                }
            }
        }
    }
}

}  // namespace standin
