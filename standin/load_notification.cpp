#include "load_notification.h"

#include <cwchar>

namespace standin {
namespace {

// ntdll's own types for the notification; its headers are not in the toolchain.
struct CountedString {
    USHORT length;  // in bytes
    USHORT capacity;
    const wchar_t* text;
};

struct LoadedModule {
    ULONG flags;
    const CountedString* fullName;
    const CountedString* baseName;
    void* base;
    ULONG imageSize;
};

constexpr ULONG kModuleLoaded = 1;

using Notification = void(CALLBACK*)(ULONG reason, const LoadedModule* module, void* context);
using RegisterNotification = LONG(NTAPI*)(ULONG flags, Notification callback, void* context, void** cookie);

const wchar_t* watchedName = nullptr;
void (*onMapped)(HMODULE) = nullptr;

bool NameIs(const CountedString* name, const wchar_t* expected) {
    const size_t length = name ? name->length / sizeof(wchar_t) : 0;
    return length == std::wcslen(expected) && _wcsnicmp(name->text, expected, length) == 0;
}

void CALLBACK Notified(ULONG reason, const LoadedModule* module, void*) {
    if (reason == kModuleLoaded && onMapped && NameIs(module->baseName, watchedName))
        onMapped(static_cast<HMODULE>(module->base));
}

}  // namespace

bool WatchForModule(const wchar_t* fileName, void (*mapped)(HMODULE module)) {
    watchedName = fileName;
    onMapped = mapped;
    static bool registered = false;
    if (registered) return true;
    auto registerNotification = reinterpret_cast<RegisterNotification>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("ntdll.dll"), "LdrRegisterDllNotification")));
    void* cookie = nullptr;
    registered = registerNotification && registerNotification(0, Notified, nullptr, &cookie) == 0;
    return registered;
}

}  // namespace standin
