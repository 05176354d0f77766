// A loader of the stand-in's own that does what some ASI loaders do: load the
// plug-in and call InitializeASI from inside its own DllMain, with the loader
// lock held. The stand-in exports the few functions it asks for; it points the
// plug-in's imports at its virtual world as the plug-in is mapped.
#include <windows.h>

namespace {

template <typename F>
F HostFunction(const char* name) {
    return reinterpret_cast<F>(reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA(nullptr), name)));
}

bool LoadAndInitialize() {
    auto pluginPath = HostFunction<const char* (*)()>("StandinPluginPath");
    auto beforeLoad = HostFunction<int (*)()>("StandinBeforePluginLoad");
    auto loaded = HostFunction<int (*)(HMODULE)>("StandinPluginLoaded");
    auto returned = HostFunction<void (*)()>("StandinInitializeReturned");
    if (!pluginPath || !beforeLoad || !loaded || !returned) return false;
    if (!beforeLoad()) return false;
    HMODULE plugin = LoadLibraryA(pluginPath());
    if (plugin == nullptr || !loaded(plugin)) return false;
    auto initialize = reinterpret_cast<void (*)()>(reinterpret_cast<void*>(GetProcAddress(plugin, "InitializeASI")));
    if (initialize == nullptr) return false;
    initialize();
    returned();
    return true;
}

}  // namespace

extern "C" BOOL WINAPI DllMain(HINSTANCE, DWORD reason, LPVOID) {
    if (reason != DLL_PROCESS_ATTACH) return TRUE;
    return LoadAndInitialize() ? TRUE : FALSE;
}
