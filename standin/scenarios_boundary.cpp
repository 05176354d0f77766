// The boundary with a game that is not ready or not well: an inventory lookup
// that faults, a frontend that is not built yet, and a loader that starts the
// plug-in while it holds the loader lock.
#include <windows.h>
#include <tlhelp32.h>

#include <cstdio>
#include <memory>

#include "checks.h"
#include "expected_file.h"
#include "game_bindings.h"
#include "game_frontend.h"
#include "game_player.h"
#include "key_name_site.h"
#include "scenarios.h"

namespace standin {
namespace {

std::string TorchLog(const char* state, void* weapon) {
    char line[128];
    std::snprintf(line, sizeof line, "[KM] Torch toggle: %s (weapon=%p)", state, weapon);
    return line;
}

bool AllQueriesAre(int32_t slot) {
    for (int32_t asked : InventoryQueries())
        if (asked != slot) return false;
    return !InventoryQueries().empty();
}

// A stretch of play in which every inventory lookup faults; the torch key is
// pressed in it. Nothing may be logged or switched, and each step's search
// ends at its first lookup (`firstSlot`).
void FaultingStretch(Script& script, const char* how, int32_t firstSlot, std::function<void()> breakIt) {
    auto torchCalls = std::make_shared<size_t>(0);
    std::string what = how;
    script.Do([breakIt, torchCalls] {
        breakIt();
        ClearInventoryQueries();
        *torchCalls = TorchCalls().size();
    });
    script.After(300).Tap('L').After(1000).Do([what, firstSlot, torchCalls] {
        Check(LogLines().size() == 1, what + ": a press while the lookup faults logs nothing");
        Check(TorchCalls().size() == *torchCalls, what + ": and switches no torch, nor keeps one lit");
        Check(AllQueriesAre(firstSlot), what + ": each step stops at the lookup that faulted (slot " +
                                            std::to_string(firstSlot) + " only, " +
                                            std::to_string(InventoryQueries().size()) + " lookups)");
    });
}

}  // namespace

int InventoryFaults(const RunContext& context) {
    Session session;
    BootOptions options;
    options.iniText = "48=L\r\n";
    if (!Boot(context, options, &session)) return FinishRun("inventory_faults");
    void* player = NewPlayer();
    void* inventory = InventoryOf(player);
    void* torch = NewWeapon(true, 1);
    PutWeapon(player, 3, torch);
    SetSlotWord(player, 0, 3);  // the other words name slot 0, which is empty

    Script script;
    ShowStartAndSettle(script);
    script.Do([] { Check(SelectItemByName("play"), "the cursor reaches NEW GAME"); });
    script.Tap(VK_RETURN);
    script.Do([player] { SetCurrentPlayer(player); }).After(200);
    script.Tap('L').Do([torch] {
        Check(LogLines().size() == 1 && LogLines()[0] == TorchLog("ON", torch) && WeaponLit(torch),
              "before the faults, a press lights the torch");
    });
    FaultingStretch(script, "faulting lookup", 3, [player] { SetInventoryLookupFault(player, kLookupBreaks); });
    FaultingStretch(script, "unmapped inventory record", 0, [player] {
        SetInventoryLookupFault(player, kLookupReadsInventory);
        SetInventoryPointer(player, UnmappedAddress());
    });
    script.Do([] { SetBindingSlotByte(48, 0); }).After(1200).Do([] {
        Check(BindingSlotByte(48) == 38, "the worker carries on after the faults (48 forced back to L)");
    });
    script.Do([player, inventory] {
        SetInventoryLookupFault(player, kLookupWorks);
        SetInventoryPointer(player, inventory);
    });
    script.Tap('L').Do([torch] {
        Check(LogLines().size() == 2 && LogLines()[1] == TorchLog("ON", torch) && WeaponLit(torch),
              "once the lookup works again the next press starts afresh: the torch is lit (ON)");
    });
    script.Tap('L').Do([torch] {
        Check(LogLines().size() == 3 && LogLines()[2] == TorchLog("OFF", torch) && !WeaponLit(torch),
              "and the press after it puts it out (OFF)");
    });
    RunPlugin(session, std::move(script), 1, false, nullptr);
    for (const std::string& line : LogLines()) std::printf("log: %s\n", line.c_str());
    return FinishRun("inventory_faults");
}

namespace {

void CheckNotInstalled(const Session* session, const std::string& when) {
    Check(!FileExists(session->iniPath) && !FindPage("mymovementkeys") && !FindPage("myactionkeys") &&
              FindItem(FindPage("controls"), "movementkeys"),
          when + ": the plug-in waits (no file, no custom page, links as the game made them)");
}

}  // namespace

// The game shows "start" before its get-frontend-manager function answers:
// first with null, then with a record that cannot be read. The plug-in must
// keep asking every 200 ms and install once the manager is there; later, in
// the controller loop, a missing manager means that no custom page is shown.
int ManagerLate(const RunContext& context) {
    Session session;
    if (!Boot(context, BootOptions{}, &session)) return FinishRun("manager_late");
    const Session* run = &session;
    SetManagerAnswer(nullptr);
    auto sleepsAtStart = std::make_shared<uint32_t>(0);
    Script script;
    script.After(1000).Do([] { ShowPage("start"); });
    script.After(200).Do([sleepsAtStart] { *sleepsAtStart = Hooks().workerSleeps; });
    script.After(1000).Do([run, sleepsAtStart] {
        const uint32_t asked = Hooks().workerSleeps - *sleepsAtStart;
        Check(asked == 5, "with no frontend manager the plug-in asks again every 200 ms (" + std::to_string(asked) +
                              " waits in one second)");
        CheckNotInstalled(run, "manager null");
        SetManagerAnswer(UnmappedAddress());
    });
    script.After(1000).Do([run] {
        CheckNotInstalled(run, "manager unreadable");
        RestoreManagerAnswer();
    });
    script.After(800).Do([run] {
        Check(FileExists(run->iniPath), "once the manager is there, the binding file is written");
        Check(RegisteredPageCount("mymovementkeys") == 1 && RegisteredPageCount("myactionkeys") == 1,
              "both custom pages are registered once");
        Check(FindItem(FindPage("controls"), "mymovementkeys") && FindItem(FindPage("controls"), "myactionkeys"),
              "the controls page's links name the custom pages");
        Check(CallSiteIsNearCall() && !CallSiteIsGameOriginal(), "the key-name call site is redirected");
    });
    OpenFromStart(script, "mymovementkeys");
    script.Do([] { SetManagerAnswer(nullptr); }).After(200);
    script.Do([] { Check(SelectItemByName("17"), "the cursor reaches item 17"); });
    script.Tap(VK_RETURN).Tap('I');
    script.Do([] {
        uint8_t* item = FindItem(CurrentPage(), "17");
        Check(item && ItemValue(item) != -1 && BindingSlotByte(17) == GameDefaultKey(17),
              "without a manager no custom page counts as shown: Enter starts no capture");
        RestoreManagerAnswer();
    });
    script.After(400);
    CaptureOnItem(script, "17", [](Script& s) { TapKeyForCapture(s, 'I'); });
    script.Do([run] {
        Check(BindingSlotByte(17) == 23, "with the manager back, a rebinding works as usual (17 -> I)");
        Check(FileHasLine(ReadFile(run->iniPath), "17=I ; MOVE_FORWARD"), "and reaches the binding file");
    });
    RunPlugin(session, std::move(script), 1, false, nullptr);
    return FinishRun("manager_late");
}

namespace {

// What the loader-lock run saw from inside the loader's DllMain.
struct LoaderSeen {
    Session* session = nullptr;
    int modulesBefore = 0;
    int threadsBefore = 0;
    bool entryQuiet = false;     // the plug-in's DLL entry loaded nothing and started nothing
    bool returned = false;       // InitializeASI came back
    bool lockHeld = false;       // ... while this thread held the loader lock
    bool nothingYet = false;     // ... and before the worker did anything
};
LoaderSeen loaderSeen;

int CountSnapshot(DWORD kind) {
    HANDLE snapshot = CreateToolhelp32Snapshot(kind, GetCurrentProcessId());
    if (snapshot == INVALID_HANDLE_VALUE) return -1;
    int count = 0;
    if (kind == TH32CS_SNAPMODULE) {
        MODULEENTRY32 entry{};
        entry.dwSize = sizeof entry;
        for (BOOL more = Module32First(snapshot, &entry); more; more = Module32Next(snapshot, &entry)) ++count;
    } else {
        THREADENTRY32 entry{};
        entry.dwSize = sizeof entry;
        for (BOOL more = Thread32First(snapshot, &entry); more; more = Thread32Next(snapshot, &entry))
            count += entry.th32OwnerProcessID == GetCurrentProcessId();
    }
    CloseHandle(snapshot);
    return count;
}

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

extern "C" __declspec(dllexport) void StandinBeforePluginLoad() {
    loaderSeen.modulesBefore = CountSnapshot(TH32CS_SNAPMODULE);
    loaderSeen.threadsBefore = CountSnapshot(TH32CS_SNAPTHREAD);
}

extern "C" __declspec(dllexport) int StandinPluginLoaded(HMODULE module) {
    loaderSeen.entryQuiet = CountSnapshot(TH32CS_SNAPMODULE) == loaderSeen.modulesBefore + 1 &&
                            CountSnapshot(TH32CS_SNAPTHREAD) == loaderSeen.threadsBefore;
    return AdoptPlugin(module, loaderSeen.session);
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
    Check(loaderSeen.entryQuiet, "the plug-in's DLL entry loaded no library and started no thread");
    Check(loaderSeen.returned && loaderSeen.lockHeld,
          "InitializeASI returned inside the loader's DllMain, with the loader lock held");
    Check(loaderSeen.nothingYet, "and the plug-in did nothing of its own before the lock was free");
    const ScriptEnd end = WaitForScript(90000);
    Check(end == ScriptEnd::Finished, "once the lock is free the plug-in comes up and the first start runs through");
    CheckTableOutsideMappable();
    return FinishRun("loader_lock");
}

}  // namespace standin
