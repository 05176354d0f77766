#pragma once
// Replaces entries of a loaded module's import address table.
#include <windows.h>

#include <cstring>

namespace standin {

struct ImportHook {
    const char* name;   // the imported function's name
    void* replacement;
    int patched;        // how many import slots now point at the replacement
};

// A replacement by the name of the function it replaces.
struct NamedHook {
    const char* name;
    void* hook;
};

template <int N>
void* FindNamedHook(const NamedHook (&hooks)[N], const char* name) {
    for (const NamedHook& h : hooks)
        if (std::strcmp(h.name, name) == 0) return h.hook;
    return nullptr;
}

// Every import of `module` whose name (or, for imports by ordinal, whose
// current address) matches a hook is pointed at that hook's replacement.
void PatchImports(HMODULE module, ImportHook* hooks, int hookCount);

}  // namespace standin
