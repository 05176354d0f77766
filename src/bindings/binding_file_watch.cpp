#include "bindings/binding_file_watch.h"

#include "bindings/binding_file.h"
#include "bindings/binding_file_path.h"
#include "bindings/binding_store.h"

namespace dk {

namespace {

struct WatchState {
    bool known;                         // a file was read or written
    FileStamp knownStamp;               // ... and this was its stamp then
    bool pending;                       // the last check saw a change not read yet
    FileStamp pendingStamp;
    bool held[kMaxActionIndex + 1];     // bound in the menu, not yet saved
    bool anyHeld;
    uint32_t reads;                     // hand edits read
};

WatchState watch{};

FileStamp CurrentStamp() { return Platform().fileStamp(bindingFilePath.c_str()); }

// Only a file can hold an edit: a vanished file or a directory changes nothing.
bool ChangedSinceKnown(const FileStamp& stamp) {
    return stamp.kind == FileKind::File && !(watch.known && stamp == watch.knownStamp);
}

// `stamp` was taken before the read, so an edit saved during it is seen later.
bool ReadEdit(const FileStamp& stamp) {
    if (!ReadBindingFile(watch.held)) return false;
    RememberFileAsRead(stamp);
    ++watch.reads;
    return true;
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
    if (!stoodStill || !ReadEdit(stamp)) return false;
    // A menu binding whose save failed (the file was held by an editor) goes
    // into the file now, beside the edit, rather than only living until exit.
    if (watch.anyHeld) {
        ApplyOverrides();
        SaveBindingFile();
    }
    return true;
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
    if (!IsActionInRange(index)) return;
    watch.held[index] = true;
    watch.anyHeld = true;
}

void HoldAllMenuBindings() {
    for (bool& held : watch.held) held = true;
    watch.anyHeld = true;
}

void RememberFileAsRead(const FileStamp& stamp) {
    watch.known = stamp.kind == FileKind::File;
    watch.knownStamp = stamp;
    watch.pending = false;
}

void RememberOwnSave() {
    RememberFileAsRead(CurrentStamp());
    for (bool& held : watch.held) held = false;
    watch.anyHeld = false;
}

void ResetBindingFileWatch() { watch = WatchState{}; }

}  // namespace dk
