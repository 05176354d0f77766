// The binding file edited while the game runs, held by another program for a
// while, or replaced by something far too large; and the plug-in in folders
// whose names no 8-bit code page holds or that are longer than 260 characters.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <memory>

#include "checks.h"
#include "expected_file.h"
#include "file_calls.h"
#include "game_bindings.h"
#include "game_frontend.h"
#include "game_image.h"
#include "plugin_log_file.h"
#include "scenarios.h"

namespace standin {
namespace {

constexpr uint8_t kQ = 16, kT = 20, kK = 37;
constexpr uint32_t kPollMs = 50;

// The plug-in's once-a-second look at the file comes with its re-apply of the
// bindings. A slot it keeps forcing back is spoiled after every re-apply, so
// the slot's return marks the next one.
struct CheckWatch {
    int action = 20;  // an action the first start gave an override
    uint8_t kept = 0;
    int seen = 0;
};

void SpoilCanary(CheckWatch* watch) { SetBindingSlotByte(watch->action, watch->kept ^ 0x5A); }

// Polls for `ms` of virtual time; onCheck(n) runs right after the n-th
// re-apply seen (the first is the one the watch starts on).
void WatchChecks(Script& script, std::shared_ptr<CheckWatch> watch, uint32_t ms, std::function<void(int)> onCheck) {
    script.Do([watch] {
        watch->kept = BindingSlotByte(watch->action);
        SpoilCanary(watch.get());
    });
    for (uint32_t t = 0; t < ms; t += kPollMs) {
        script.After(kPollMs).Do([watch, onCheck] {
            if (BindingSlotByte(watch->action) != watch->kept) return;
            onCheck(++watch->seen);
            SpoilCanary(watch.get());
        });
    }
    script.Do([watch] { SetBindingSlotByte(watch->action, watch->kept); });
}

void CheckSlot(int action, uint8_t byte, const std::string& what) {
    char line[200];
    std::snprintf(line, sizeof line, "%s (slot %d holds 0x%02x, expected 0x%02x)", what.c_str(), action,
                  BindingSlotByte(action), byte);
    Check(BindingSlotByte(action) == byte, line);
}

}  // namespace

int LiveEdit(const RunContext& context) {
    Session session;
    if (!Boot(context, BootOptions{}, &session)) return FinishRun("live_edit");
    auto watch = std::make_shared<CheckWatch>();
    auto editedAt = std::make_shared<uint32_t>(0);
    Script script;
    ShowStartAndSettle(script);
    WatchChecks(script, watch, 4000, [&session, editedAt](int check) {
        if (check == 1) {
            Check(WriteTextFile(session.iniPath, "# edited while the game runs\r\n17=Q\r\n"), "the edit is saved");
            *editedAt = VirtualNow();
        } else if (check == 2) {
            CheckSlot(17, GameDefaultKey(17), "the first check after the edit leaves the table alone");
        } else if (check == 3) {
            CheckSlot(17, kQ, "the second check after the edit puts it into the table");
            CheckSlot(18, GameDefaultKey(18), "an action without a line keeps its binding");
            std::printf("note: the edit reached the table %u ms (virtual) after it was saved\n",
                        static_cast<unsigned>(VirtualNow() - *editedAt));
            Check(VirtualNow() - *editedAt <= 2200, "the edit applies within about two seconds");
        }
    });
    script.Do([watch] { Check(watch->seen >= 3, "three re-applies seen in four seconds"); });
    OpenFromStart(script, "mymovementkeys");
    script.Do([] { CheckDrawn("mymovementkeys", "17", "Q"); });
    // On the page: the page shows the edit's keys by itself.
    script.Do([&session] { WriteTextFile(session.iniPath, "17=Q\r\n18=T\r\n"); }).After(2200);
    script.Do([] {
        CheckDrawn("mymovementkeys", "18", "T");
        CheckSlot(18, kT, "the edit on the page is in the table");
    });
    CaptureOnItem(script, "19", [](Script& s) { TapKeyForCapture(s, 'K'); });
    script.Do([&session] {
        const std::string file = ReadFile(session.iniPath);
        CheckWrittenFile(file, "after a key bound in the menu");
        Check(FileHasLine(file, "17=Q ; MOVE_FORWARD") && FileHasLine(file, "18=T ; MOVE_BACKWARDS") &&
                  FileHasLine(file, "19=K ; MOVE_LEFT_STRAFE"),
              "the menu's save keeps both hand edits beside its own key");
    });
    RunPlugin(session, std::move(script), 1, false, nullptr);
    return FinishRun("live_edit");
}

int EditThenCapture(const RunContext& context) {
    Session session;
    if (!Boot(context, BootOptions{}, &session)) return FinishRun("edit_then_capture");
    Script script;
    ShowStartAndSettle(script);
    OpenFromStart(script, "mymovementkeys");
    // Saved just before Enter: no check has read it when the key is bound.
    script.Do([&session] { WriteTextFile(session.iniPath, "17=E\r\n18=T\r\n# by hand\r\n"); });
    CaptureOnItem(script, "17", [](Script& s) { TapKeyForCapture(s, 'K'); });
    script.Do([&session] {
        const std::string file = ReadFile(session.iniPath);
        CheckWrittenFile(file, "after an edit and then a capture");
        Check(FileHasLine(file, "17=K ; MOVE_FORWARD"), "the key just bound wins over the edit's line for it");
        Check(FileHasLine(file, "18=T ; MOVE_BACKWARDS"), "the hand edit is kept");
        CheckSlot(17, kK, "the captured key is in the table");
        CheckSlot(18, kT, "the edit is in the table");
        CheckDrawn("mymovementkeys", "18", "T");
    });
    RunPlugin(session, std::move(script), 1, false, nullptr);
    return FinishRun("edit_then_capture");
}

namespace {

constexpr uint32_t kRefusedForMs = 5000;

// Every try after the first comes at least a second after the one before.
void CheckTriesApart(size_t first) {
    const std::vector<uint32_t>& tries = FileCalls().replaceTries;
    uint32_t closest = 0xFFFFFFFFu;
    for (size_t i = first + 1; i < tries.size(); ++i) closest = std::min(closest, tries[i] - tries[i - 1]);
    std::printf("note: %u tries of the replace, at least %u ms (virtual) apart\n",
                static_cast<unsigned>(tries.size() - first), static_cast<unsigned>(closest));
    Check(closest >= 1000, "the save is tried at most once a second");
}

}  // namespace

// A cloud client holds the file for five seconds just as a key is bound.
int SaveRefused(const RunContext& context) {
    Session session;
    if (!Boot(context, BootOptions{}, &session)) return FinishRun("save_refused");
    auto before = std::make_shared<std::string>();
    auto firstTry = std::make_shared<size_t>(0);
    auto freedAt = std::make_shared<uint32_t>(0);
    Script script;
    ShowStartAndSettle(script);
    OpenFromStart(script, "mymovementkeys");
    script.Do([&session, before, firstTry] {
        *before = ReadFile(session.iniPath);
        CheckWrittenFile(*before, "at the first start");
        *firstTry = FileCalls().replaceTries.size();
        RefuseReplaces(true);
    });
    CaptureOnItem(script, "17", [](Script& s) { TapKeyForCapture(s, 'K'); });
    script.Do([&session, before] {
        Check(FileCalls().refusedReplaces == 1, "the save after the capture is refused");
        Check(ReadFile(session.iniPath) == *before, "the refused save leaves the old file byte for byte");
        Check(!FileExists(session.iniPath + ".tmp"), "and takes its temporary file away");
        CheckSlot(17, kK, "the key works in the game meanwhile");
    });
    script.After(kRefusedForMs).Do([&session, before, freedAt] {
        Check(FileCalls().refusedReplaces >= 4, "the save is tried again while the file is held");
        Check(ReadFile(session.iniPath) == *before, "every refused try leaves the old file as it was");
        RefuseReplaces(false);
        *freedAt = VirtualNow();
    });
    script.After(2000).Do([&session, firstTry, freedAt] {
        const std::string file = ReadFile(session.iniPath);
        CheckWrittenFile(file, "once the file is free");
        Check(FileHasLine(file, "17=K ; MOVE_FORWARD"), "the binding reaches the file within two seconds");
        std::printf("note: written %u ms (virtual) after the file was free\n",
                    static_cast<unsigned>(FileCalls().replaceTries.back() - *freedAt));
        CheckTriesApart(*firstTry);
    });
    script.After(3000).Do([&session, firstTry] {
        const size_t tries = FileCalls().replaceTries.size() - *firstTry;
        Check(tries <= 2 + (kRefusedForMs + 2000) / 1000, "no more tries than one a second");
        Check(FileCalls().replaceTries.back() + 2000 < VirtualNow(), "and none once the file holds the binding");
        Check(CountLogLines(session, "could not save ") == 1, "the log tells of the refused save once");
        CheckLogHolds(session,
                      {"MOVE_FORWARD bound to K",
                       "could not save " + session.iniPath + " (trying again every second, then every ten): " +
                           "Windows error 32: " + SystemWordsFor(ERROR_SHARING_VIOLATION),
                       "saved after " + std::to_string(tries) + " tries"},
                      "and of the save that landed, counting every try");
    });
    RunPlugin(session, std::move(script), 1, false, nullptr);
    return FinishRun("save_refused");
}

// A copy gone wrong: 2 MiB whose first line is a good binding.
int OversizedFile(const RunContext& context) {
    static const std::string big = "17=Q\r\n" + std::string(2 << 20, '#');
    BootOptions options;
    options.iniText = big.c_str();
    Session session;
    if (!Boot(context, options, &session)) return FinishRun("oversized_file");
    auto replacedAt = std::make_shared<uint32_t>(0);
    Script script;
    ShowStartAndSettle(script);
    OpenFromStart(script, "mymovementkeys");
    CaptureOnItem(script, "19", [](Script& s) { TapKeyForCapture(s, 'K'); });
    script.After(3000).Do([&session, replacedAt] {
        CheckSlot(17, GameDefaultKey(17), "the file's first line binds nothing");
        CheckSlot(19, kK, "a key bound in the menu works in the game");
        Check(ReadFile(session.iniPath) == big, "the file is left byte for byte");
        Check(FileCalls().bindingFileReads == 0, "the file is never opened to be read");
        Check(WriteTextFile(session.iniPath, "17=Q\r\n18=T\r\n"), "a normal file replaces it");
        *replacedAt = VirtualNow();
    });
    script.After(2200).Do([&session] {
        CheckSlot(17, kQ, "the normal file's lines are read within about two seconds");
        CheckSlot(18, kT, "all of them");
        const std::string file = ReadFile(session.iniPath);
        CheckWrittenFile(file, "once a normal file is there");
        Check(FileHasLine(file, "17=Q ; MOVE_FORWARD") && FileHasLine(file, "18=T ; MOVE_BACKWARDS") &&
                  FileHasLine(file, "19=K ; MOVE_LEFT_STRAFE"),
              "the waiting menu binding joins its lines in the file");
    });
    RunPlugin(session, std::move(script), 1, false, nullptr);
    CheckTableOutsideMappable();
    return FinishRun("oversized_file");
}

namespace {

std::wstring WideTempFolder() {
    wchar_t temp[MAX_PATH + 1] = {};
    GetTempPathW(MAX_PATH + 1, temp);
    return std::wstring(temp) + L"dk-standin\\";
}

std::string Utf8(const std::wstring& text) {
    std::string utf8(4 * text.size() + 1, '\0');
    const int length = WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), utf8.data(),
                                           static_cast<int>(utf8.size()), nullptr, nullptr);
    utf8.resize(length > 0 ? static_cast<size_t>(length) : 0);
    return utf8;
}

// First start creates the file, a hand edit is read while the game runs, and
// a key bound in the menu rewrites it: all in `folder`.
int CreateReadRewrite(const RunContext& context, const std::wstring& folder, const char* scenario) {
    ResetWorld(WorldOptions{});
    std::string why;
    Session session;
    if (!Check(BuildGameImage(true, &why), "the game image covers every fixed address " + why) ||
        !Check(PrepareWideFolder(folder), "the scenario folder is made") ||
        !LoadPluginWide(context.asi, folder, &session)) {
        return FinishRun(scenario);
    }
    std::printf("note: the plug-in's path is %u characters long\n",
                static_cast<unsigned>(folder.size() + wcslen(L"DuskvaleKeys.asi")));
    Script script;
    ShowStartAndSettle(script);
    script.Do([&session] {
        CheckWrittenFile(ReadWideFile(session.wideIniPath), "created at the first start");
        Check(WriteWideFile(session.wideIniPath, "17=Q\r\n"), "the edit is saved");
    });
    script.After(2200).Do([] { CheckSlot(17, kQ, "the hand edit is read while the game runs"); });
    OpenFromStart(script, "mymovementkeys");
    CaptureOnItem(script, "18", [](Script& s) { TapKeyForCapture(s, 'T'); });
    script.Do([&session] {
        const std::string file = ReadWideFile(session.wideIniPath);
        CheckWrittenFile(file, "rewritten after a key bound in the menu");
        Check(FileHasLine(file, "17=Q ; MOVE_FORWARD") && FileHasLine(file, "18=T ; MOVE_BACKWARDS"),
              "the rewritten file holds the edit and the new key");
    });
    RunPlugin(session, std::move(script), 1, false, nullptr);
    const std::string log = ReadWideFile(folder + L"DuskvaleKeys.log");
    const std::string firstLine = log.substr(0, log.find("\r\n"));
    Check(firstLine.find(Utf8(folder) + "DuskvaleKeys.asi, from DllMain") != std::string::npos,
          "the log lies beside the plug-in, its first line naming the plug-in's path in UTF-8");
    return FinishRun(scenario);
}

}  // namespace

int UnicodeFolder(const RunContext& context) {
    // Cyrillic and Chinese in one name: no 8-bit code page holds both.
    return CreateReadRewrite(context, WideTempFolder() + L"\u0418\u0433\u0440\u044b \u6e38\u620f Duskvale\\",
                             "unicode_folder");
}

int LongPath(const RunContext& context) {
    std::wstring folder = WideTempFolder() + L"long_path\\";
    while (folder.size() < 280) folder += L"a folder name long enough to pass the old limit in a few steps\\";
    return CreateReadRewrite(context, folder, "long_path");
}

}  // namespace standin
