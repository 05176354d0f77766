#pragma once
// Every end-to-end scenario: each boots the game, loads the plug-in, plays a
// script and checks; the result is the process exit code.
#include "scenario_support.h"

namespace standin {

using ScenarioFunction = int (*)(const RunContext&);
struct Scenario {
    const char* name;
    ScenarioFunction run;
};

int FirstStart(const RunContext&);
int ControlsLinks(const RunContext&);
int SecondInit(const RunContext&);
int UnknownBuild(const RunContext&);
int ProtectFails(const RunContext&);
int RebindKeys(const RunContext&);
int KeyNames(const RunContext&);
int Reset(const RunContext&);
int CaptureHeld(const RunContext&);
int ShiftCapture(const RunContext&);
int SecondLaunch(const RunContext&);
int BadLines(const RunContext&);
int TorchToggle(const RunContext&);
int TorchFaults(const RunContext&);
int InventoryFaults(const RunContext&);
int ManagerLate(const RunContext&);
int LoaderLock(const RunContext&);
int LoadOnly(const RunContext&);
int FreedByLoader(const RunContext&);
int LogHeld(const RunContext&);
int LiveEdit(const RunContext&);
int EditThenCapture(const RunContext&);
int UnicodeFolder(const RunContext&);
int LongPath(const RunContext&);
int NamedKeys(const RunContext&);
int NamedKeysRestart(const RunContext&);
int KeyNameThreads(const RunContext&);
int KeyboardLayouts(const RunContext&);
int OtherWindows(const RunContext&);
int SaveRefused(const RunContext&);
int OversizedFile(const RunContext&);

// The first start in an empty folder, as a script of checks (the session must
// outlive it; the log's too unless `withLog` is false), and the check of the
// table's bytes it must leave alone.
Script FirstStartScript(const Session& session, bool withLog = true);
void CheckTableOutsideMappable();

inline constexpr Scenario kScenarios[] = {
    {"first_start", FirstStart},     {"controls_links", ControlsLinks}, {"rebind_keys", RebindKeys},
    {"key_names", KeyNames},         {"reset", Reset},                  {"second_launch", SecondLaunch},
    {"bad_lines", BadLines},         {"torch_toggle", TorchToggle},     {"torch_faults", TorchFaults},
    {"protect_fails", ProtectFails}, {"unknown_build", UnknownBuild},   {"second_init", SecondInit},
    {"shift_capture", ShiftCapture}, {"capture_held", CaptureHeld},     {"inventory_faults", InventoryFaults},
    {"manager_late", ManagerLate},   {"loader_lock", LoaderLock},       {"live_edit", LiveEdit},
    {"edit_then_capture", EditThenCapture}, {"unicode_folder", UnicodeFolder}, {"long_path", LongPath},
    {"named_keys", NamedKeys},     {"named_keys_restart", NamedKeysRestart}, {"key_name_threads", KeyNameThreads},
    {"keyboard_layouts", KeyboardLayouts}, {"other_windows", OtherWindows},
    {"save_refused", SaveRefused}, {"oversized_file", OversizedFile},
    {"load_only", LoadOnly},       {"freed_by_loader", FreedByLoader}, {"log_held", LogHeld}};

}  // namespace standin
