#pragma once
// Replaces entries of a loaded module's import address table.
#include <windows.h>

namespace standin {

struct ImportHook {
    const char* name;   // the imported function's name
    void* replacement;
    int patched;        // how many import slots now point at the replacement
};

// Every import of `module` whose name (or, for imports by ordinal, whose
// current address) matches a hook is pointed at that hook's replacement.
void PatchImports(HMODULE module, ImportHook* hooks, int hookCount);

}  // namespace standin
