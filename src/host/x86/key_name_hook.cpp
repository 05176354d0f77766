#include "host/x86/key_name_hook.h"

#include "keys/key_name_text.h"

namespace dk::x86 {

static_assert(sizeof(wchar_t) == sizeof(char16_t), "the game reads UTF-16");

__attribute__((fastcall)) const wchar_t* KeyNameHook(int, int code, int, int) {
    return reinterpret_cast<const wchar_t*>(KeyNameWide(code));
}

}  // namespace dk::x86
