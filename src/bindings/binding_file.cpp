#include "bindings/binding_file.h"

#include <array>
#include <string>

#include "bindings/binding_file_path.h"
#include "bindings/binding_file_text.h"
#include "bindings/binding_file_watch.h"
#include "bindings/binding_line.h"
#include "bindings/binding_store.h"
#include "bindings/file_bytes.h"
#include "bindings/file_reading.h"
#include "bindings/reference_header.h"
#include "keys/binding_tokens.h"
#include "log/plugin_log.h"
#include "platform/platform.h"

namespace dk {

namespace {

constexpr const char* kIntro[] = {
    "# Duskvale extra keybinds (custom pages)",
    "# format: index=KEY_NAME   (numbers still accepted too)",
    "# example: 29=MOUSE_X1",
    "# example: 29=-28",
    "",
};

constexpr const char* kSavedTitle[] = {
    kSectionRule.data(),
    "# Current saved bindings",
    kSectionRule.data(),
};

using SavedCodes = std::array<KeyCode, kMappableActionCount>;

void AppendBindingLines(std::string& out, SavedCodes& codes) {
    for (int i = 0; i < kMappableActionCount; ++i) {
        const ActionIndex index = MappableActions[i];
        codes[i] = ReadHostBinding(index);
        AppendLine(out, std::to_string(index) + "=" + FormatKeyToken(codes[i]) + " ; " + ActionName(index));
    }
}

std::string BindingFileText(SavedCodes& codes) {
    std::string text;
    for (const char* line : kIntro) AppendLine(text, line);
    WriteReferenceHeader(text);
    for (const char* line : kSavedTitle) AppendLine(text, line);
    AppendBindingLines(text, codes);
    return text;
}

}  // namespace

bool ReadBindingFile(const FileStamp& stamp, const bool (&kept)[kMaxActionIndex + 1], FileReading& reading) {
    std::string bytes;
    // Judged by the stamp, so a file far too large is not even opened.
    if (TooLargeToRead(stamp.size)) {
        TellTooLargeOnce(stamp.size);
        return false;
    }
    if (!ReadFileBytes(bindingFilePath, bytes)) {
        if (LastFileError() == 0) TellTooLargeOnce(stamp.size);
        return false;
    }
    int number = 0;
    for (const std::string& text : SplitBindingLines(bytes)) {
        const BindingLine line = ReadBindingLine(text);
        CountLine(reading, ++number, line, text);
        if (line.outcome == LineOutcome::Bound && !kept[line.index]) SetOverride(line.index, line.code);
    }
    return true;
}

void LoadBindingFile() {
    if (!HaveBindingFilePath()) {
        LogLine("the plug-in's own path cannot be had: no binding file is read or written");
        return;
    }
    static constexpr bool kNothingKept[kMaxActionIndex + 1] = {};
    // Taken before the read: an edit made during it differs and is read later.
    const FileStamp stamp = Platform().fileStamp(bindingFilePath.c_str());
    FileReading reading;
    if (ReadBindingFile(stamp, kNothingKept, reading)) {
        RememberFileAsRead(stamp);
        LogLine(CountOf(reading.bound, "binding") + " read from " + bindingFilePath);
        TellSkippedLines(reading);
    } else if (stamp.kind != FileKind::File) {
        LogLine("no binding file at " + bindingFilePath +
                (stamp.kind == FileKind::Directory ? ": a folder has its name" : ""));
    } else if (!TooLargeToRead(stamp.size) && LastFileError() != 0) {
        LogLine("could not read " + bindingFilePath + ": " + WindowsErrorText(LastFileError()));
    }
}

namespace {

bool WriteBindingFile() {
    SavedCodes codes{};
    const std::string text = BindingFileText(codes);
    if (!ReplaceFileBytes(bindingFilePath, text)) return false;
    // Only what reached the disk becomes the recorded binding.
    for (int i = 0; i < kMappableActionCount; ++i) SetOverride(MappableActions[i], codes[i]);
    RememberOwnSave();
    return true;
}

}  // namespace

bool SaveBindingFile() {
    if (!HaveBindingFilePath()) return false;
    if (TakeUnseenHandEdits() && WriteBindingFile()) return true;
    NoteFailedSave(LastFileError());
    return false;
}

bool SaveMenuBinding(ActionIndex index) {
    HoldMenuBinding(index);
    return SaveBindingFile();
}

bool SaveResetBindings() {
    HoldAllMenuBindings();
    return SaveBindingFile();
}

bool BindingFileMissing() {
    return HaveBindingFilePath() && Platform().fileStamp(bindingFilePath.c_str()).kind != FileKind::File;
}

}  // namespace dk
