// The plug-in under the ways ASI loaders load it: a plain LoadLibrary and no
// InitializeASI, InitializeASI called more than once, a load from inside a
// loader's own DllMain with the loader lock held, and a loader that frees the
// module again. Each ends with one worker, the pages built at "start" and the
// binding file written.
#include <windows.h>

#include <memory>

#include "checks.h"
#include "expected_file.h"
#include "game_frontend.h"
#include "key_name_site.h"
#include "plugin_log_file.h"
#include "process_snapshot.h"
#include "scenarios.h"

namespace standin {
namespace {

// What the loader-lock run saw from inside the loader's DllMain.
struct LoaderSeen {
    Session* session = nullptr;
    int modulesBefore = 0;
    int threadsBefore = 0;
    bool entryQuiet = false;     // the plug-in's DLL entry loaded nothing and started one thread
    bool returned = false;       // InitializeASI came back
    bool lockHeld = false;       // ... while this thread held the loader lock
    bool nothingYet = false;     // ... and before the worker did anything
};
LoaderSeen loaderSeen;

// The process's loader lock, as its environment block points to it.
bool LoaderLockHeldHere() {
    uint8_t* peb = nullptr;
    asm volatile("movl %%fs:0x30, %0" : "=r"(peb));
    auto* lock = *reinterpret_cast<RTL_CRITICAL_SECTION**>(peb + 0xa0);
    return lock && static_cast<DWORD>(reinterpret_cast<uintptr_t>(lock->OwningThread)) == GetCurrentThreadId();
}

DWORD WINAPI LoadThroughLoader(LPVOID path) {
    return LoadLibraryA(static_cast<const char*>(path)) != nullptr;
}

std::string BesideThisProgram(const char* file) {
    char self[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, self, MAX_PATH);
    std::string path = self;
    return path.substr(0, path.find_last_of('\\') + 1) + file;
}

}  // namespace

// Called by the stand-in's loader DLL (standin/loader) from its DllMain.
extern "C" __declspec(dllexport) const char* StandinPluginPath() {
    return loaderSeen.session->pluginPath.c_str();
}

extern "C" __declspec(dllexport) int StandinBeforePluginLoad() {
    loaderSeen.modulesBefore = CountModules();
    loaderSeen.threadsBefore = CountThreads();
    return ExpectPluginLoad(loaderSeen.session);
}

extern "C" __declspec(dllexport) int StandinPluginLoaded(HMODULE module) {
    loaderSeen.entryQuiet = CountModules() == loaderSeen.modulesBefore + 1 &&
                            CountThreads() == loaderSeen.threadsBefore + 1 && Hooks().createThreadCalls == 1;
    return PluginLoaded(module, loaderSeen.session);
}

extern "C" __declspec(dllexport) void StandinInitializeReturned() {
    loaderSeen.returned = true;
    loaderSeen.lockHeld = LoaderLockHeldHere();
    loaderSeen.nothingYet = Hooks().workerSleeps == 0 && CallSiteIsGameOriginal() &&
                            !FileExists(loaderSeen.session->iniPath);
}

int LoaderLock(const RunContext& context) {
    Session session;
    BootOptions options;
    options.loadPlugin = false;
    if (!Boot(context, options, &session)) return FinishRun("loader_lock");
    loaderSeen = LoaderSeen{};
    loaderSeen.session = &session;
    const std::string loader = BesideThisProgram("asi_loader.dll");
    // A game has its window library long before any plug-in; loaded here, the
    // plug-in's own load brings in no module but itself.
    LoadLibraryA("user32.dll");
    StartScript(FirstStartScript(session));
    HANDLE loading = CreateThread(nullptr, 0, LoadThroughLoader, const_cast<char*>(loader.c_str()), 0, nullptr);
    if (!Check(WaitForSingleObject(loading, 60000) == WAIT_OBJECT_0,
               "the loader's DllMain comes back: nothing waited under the loader lock")) {
        FinishRun("loader_lock");
        TerminateProcess(GetCurrentProcess(), 1);  // an exit would wait for the lock too
    }
    DWORD loaded = 0;
    GetExitCodeThread(loading, &loaded);
    CloseHandle(loading);
    if (!Check(loaded != 0, "the stand-in's loader DLL loads the plug-in")) return FinishRun("loader_lock");
    Check(loaderSeen.entryQuiet, "the plug-in's DLL entry loaded no library and started one thread, the worker");
    Check(loaderSeen.returned && loaderSeen.lockHeld,
          "InitializeASI returned inside the loader's DllMain, with the loader lock held");
    Check(loaderSeen.nothingYet, "and the plug-in did nothing of its own before the lock was free");
    const ScriptEnd end = WaitForScript(90000);
    Check(end == ScriptEnd::Finished, "once the lock is free the plug-in comes up and the first start runs through");
    Check(Hooks().createThreadCalls == 1, "InitializeASI after the DLL entry starts no second worker");
    CheckTableOutsideMappable();
    return FinishRun("loader_lock");
}

// A loader that only loads the module: the DLL entry starts the plug-in.
int LoadOnly(const RunContext& context) {
    Session session;
    if (!Boot(context, BootOptions{}, &session)) return FinishRun("load_only");
    RunPlugin(session, FirstStartScript(session), 0, false, nullptr);
    CheckOneWorker(session);
    Check(CountLogLines(session, "InitializeASI called") == 0, "the log tells of no InitializeASI");
    return FinishRun("load_only");
}

// A loader that calls InitializeASI after the load, and a second time.
int SecondInit(const RunContext& context) {
    Session session;
    if (!Boot(context, BootOptions{}, &session)) return FinishRun("second_init");
    RunPlugin(session, FirstStartScript(session), 2, false, nullptr);
    CheckOneWorker(session);
    Check(CountLogLines(session, "InitializeASI called") == 1, "the log tells of InitializeASI once");
    return FinishRun("second_init");
}

namespace {

// Names drawn by a thread of the game's own, as its frontend would draw them.
struct DrawnOnGameThread {
    int32_t codes[4] = {17, 23, 157, -34};
    std::string drawn[4];
};

DWORD WINAPI DrawNames(LPVOID parameter) {
    auto* names = static_cast<DrawnOnGameThread*>(parameter);
    for (int i = 0; i < 4; ++i) names->drawn[i] = DrawKeyName(names->codes[i]);
    return 0;
}

void CheckNamesDrawnOnGameThread() {
    DrawnOnGameThread names;
    HANDLE thread = CreateThread(nullptr, 0, DrawNames, &names, 0, nullptr);
    const bool ended = thread && WaitForSingleObject(thread, 10000) == WAIT_OBJECT_0;
    if (thread) CloseHandle(thread);
    bool right = ended;
    for (int i = 0; right && i < 4; ++i) right = names.drawn[i] == ExpectedDisplayName(names.codes[i]);
    Check(right, "a game thread draws the plug-in's key names (" + names.drawn[0] + ", " + names.drawn[1] + ", " +
                     names.drawn[2] + ", " + names.drawn[3] + ")");
}

}  // namespace

// A loader that lets the module go once it has called InitializeASI (one that
// probes plug-ins, or unloads those it judges failed): the code the worker and
// the game's key-name call run must stay mapped.
int FreedByLoader(const RunContext& context) {
    Session session;
    if (!Boot(context, BootOptions{}, &session)) return FinishRun("freed_by_loader");
    session.initialize();
    Check(FreeLibrary(session.module) != 0, "the loader frees the plug-in");
    Check(GetModuleHandleA(session.pluginPath.c_str()) == session.module, "the plug-in is still loaded");
    Script script = FirstStartScript(session);
    OpenFromStart(script, "mymovementkeys");
    CaptureOnItem(script, "17", [](Script& s) { TapKeyForCapture(s, 'I'); });
    script.Do([&session] {
        Check(FileHasLine(ReadFile(session.iniPath), "17=I ; MOVE_FORWARD"), "a rebinding after the free is saved");
        CheckNamesDrawnOnGameThread();
    });
    // Back to the game's own pages, then 10 s of play.
    script.Do([] { Check(SelectItemByName("controls"), "the cursor reaches \"apply\""); });
    script.Tap(VK_RETURN);
    auto sleepsAtPlay = std::make_shared<uint32_t>(0);
    script.Do([sleepsAtPlay] { *sleepsAtPlay = Hooks().workerSleeps; });
    script.After(10000).Do([sleepsAtPlay] {
        Check(Hooks().workerSleeps > *sleepsAtPlay + 40, "the worker ticks on through 10 s of play (" +
                                                             std::to_string(Hooks().workerSleeps - *sleepsAtPlay) +
                                                             " sleeps)");
        CheckNamesDrawnOnGameThread();
    });
    RunPlugin(session, std::move(script), 0, false, nullptr);
    CheckOneWorker(session);
    return FinishRun("freed_by_loader");
}

}  // namespace standin
