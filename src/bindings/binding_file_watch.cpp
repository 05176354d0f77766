#include "bindings/binding_file_watch.h"

#include <algorithm>
#include <iterator>

#include "bindings/binding_file.h"
#include "bindings/binding_file_path.h"
#include "bindings/binding_store.h"
#include "bindings/file_bytes.h"
#include "bindings/file_reading.h"
#include "log/plugin_log.h"

namespace dk {

namespace {

// The pace of the retries: a file held for a moment (a scanner, a cloud
// client) is written within a second or so, and one that never becomes
// writable costs one try every ten seconds.
constexpr uint32_t kFastRetryGapMs = 1000;
constexpr uint32_t kFastRetriesForMs = 60 * 1000;
constexpr uint32_t kSlowRetryGapMs = 10 * 1000;

struct WatchState {
    bool known;                         // a file was read or written
    FileStamp knownStamp;               // ... and this was its stamp then
    bool pending;                       // the last check saw a change not read yet
    FileStamp pendingStamp;
    bool held[kMaxActionIndex + 1];     // bound in the menu, not yet saved
    bool unsaved;                       // a save failed, and none has worked since
    uint32_t unsavedSince;              // tick count of the first failed save
    uint32_t lastTry;                   // tick count of the last failed save
    bool retrySlowly;                   // the first minute of retries is over
    uint32_t failedTries;               // saves that failed since the last that worked
    uint32_t reads;                     // hand edits read
    bool tooLargeTold;
};

WatchState watch{};

FileStamp CurrentStamp() { return Platform().fileStamp(bindingFilePath.c_str()); }

// Only a file can hold an edit: a vanished file or a directory changes nothing.
bool ChangedSinceKnown(const FileStamp& stamp) {
    return stamp.kind == FileKind::File && !(watch.known && stamp == watch.knownStamp);
}

int OverridesThatDiffer(const BindingOverride (&before)[kMaxActionIndex + 1]) {
    int changed = 0;
    for (int i = 0; i <= kMaxActionIndex; ++i) {
        const BindingOverride& now = BindingOverrides[i];
        changed += now.overrideSet != before[i].overrideSet || now.overrideCode != before[i].overrideCode;
    }
    return changed;
}

void TellEdit(const FileReading& reading, int changed) {
    LogLine("hand edit read from " + bindingFilePath + ": " + CountOf(changed, "binding") + " changed");
    TellSkippedLines(reading);
}

// `stamp` was taken before the read, so an edit saved during it is seen later.
bool ReadEdit(const FileStamp& stamp) {
    BindingOverride before[kMaxActionIndex + 1];
    std::copy(std::begin(BindingOverrides), std::end(BindingOverrides), before);
    FileReading reading;
    if (!ReadBindingFile(stamp, watch.held, reading)) return false;
    RememberFileAsRead(stamp);
    ++watch.reads;
    TellEdit(reading, OverridesThatDiffer(before));
    return true;
}

// Times are compared by unsigned difference, so a wrap of the tick count is
// harmless; the switch to the slow pace is kept, so that a wrap 49 days on
// cannot bring back the fast one.
bool RetryDue(uint32_t now) {
    if (static_cast<uint32_t>(now - watch.unsavedSince) >= kFastRetriesForMs) watch.retrySlowly = true;
    return static_cast<uint32_t>(now - watch.lastTry) >= (watch.retrySlowly ? kSlowRetryGapMs : kFastRetryGapMs);
}

}  // namespace

bool CheckBindingFileForEdits() {
    if (!HaveBindingFilePath()) return false;
    const FileStamp stamp = CurrentStamp();
    if (!ChangedSinceKnown(stamp)) {
        watch.pending = false;
        return false;
    }
    const bool stoodStill = watch.pending && stamp == watch.pendingStamp;
    watch.pending = true;
    watch.pendingStamp = stamp;
    return stoodStill && ReadEdit(stamp);
}

void RetryUnsavedBindings(uint32_t now) {
    // A pending change is a file still being written or one that cannot be
    // read: the save would read it half-way, or not at all.
    if (!watch.unsaved || watch.pending || !RetryDue(now)) return;
    SaveBindingFile();
}

void NoteFailedSave(uint32_t error) {
    const uint32_t now = Platform().tickCount();
    if (!watch.unsaved) {
        watch.unsaved = true;
        watch.unsavedSince = now;
        watch.retrySlowly = false;
        watch.failedTries = 0;
        LogLine("could not save " + bindingFilePath + " (trying again every second, then every ten): " +
                (error != 0 ? WindowsErrorText(error) : std::string("the file there is too large to read")));
    }
    ++watch.failedTries;
    watch.lastTry = now;
}

void TellTooLargeOnce(uint64_t size) {
    if (watch.tooLargeTold) return;
    watch.tooLargeTold = true;
    LogLine("binding file too large to read (" + std::to_string(size) + " bytes, more than " +
            std::to_string(kLargestReadableFile >> 20) + " MiB): " + bindingFilePath +
            " is neither read nor written over");
}

bool TakeUnseenHandEdits() {
    const FileStamp stamp = CurrentStamp();
    if (!ChangedSinceKnown(stamp)) return true;
    if (!ReadEdit(stamp)) return false;
    ApplyOverrides();
    return true;
}

uint32_t HandEditReads() { return watch.reads; }

void HoldMenuBinding(ActionIndex index) {
    if (IsActionInRange(index)) watch.held[index] = true;
}

void HoldAllMenuBindings() {
    for (bool& held : watch.held) held = true;
}

void RememberFileAsRead(const FileStamp& stamp) {
    watch.known = stamp.kind == FileKind::File;
    watch.knownStamp = stamp;
    watch.pending = false;
}

void RememberOwnSave() {
    RememberFileAsRead(CurrentStamp());
    for (bool& held : watch.held) held = false;
    if (watch.unsaved) LogLine("saved after " + std::to_string(watch.failedTries + 1) + " tries");
    watch.unsaved = false;
}

void ResetBindingFileWatch() { watch = WatchState{}; }

}  // namespace dk
