#pragma once
// The binding file as a player edits it while the game runs. The plug-in keeps
// the stamp (last-write time and size) of the file as it last read or wrote
// it; a different stamp is someone else's edit. An edit is read once its stamp
// has stood still from one check to the next, so a file an editor is still
// writing is never read half-way.
#include <cstdint>

#include "bindings/action_catalogue.h"
#include "platform/platform.h"

namespace dk {

// The periodic look at the file: one attributes query, and the file is read
// only when it changed and has stood still since the previous check. The
// overrides then hold the edit; the caller applies them. A file that vanished
// or became a directory changes nothing; one that cannot be read now (or is
// too large to read) is tried again at the next check. True when an edit was read.
bool CheckBindingFileForEdits();

// A save that did not reach the disk leaves unsaved bindings, and the
// periodic check tries the save again: once a second for the first minute
// after the failure, then every ten seconds, until a try succeeds. Call it
// after the check's edit went into the game's table; a file the check still
// waits for (changing, or unreadable) is left alone until it can be read.
void RetryUnsavedBindings(uint32_t now);

// Called by a save that failed, with the Windows error of the step that
// failed (0: none): its bindings are unsaved from now on. The log hears of
// the first failure of a run, and of the save that lands after it.
void NoteFailedSave(uint32_t error);

// A file too large to read is looked at every second while it stays: the log
// hears of it once per start.
void TellTooLargeOnce(uint64_t size);

// Before a save: reads a file changed since the plug-in last read or wrote it.
// False when such a file cannot be read now, and the save must not overwrite it.
bool TakeUnseenHandEdits();

// How many hand edits have been read since load, for pages to catch up.
uint32_t HandEditReads();

// A binding made in the menu keeps its key over the file until it is saved.
void HoldMenuBinding(ActionIndex index);
void HoldAllMenuBindings();

// The file as the plug-in has just read or written it.
void RememberFileAsRead(const FileStamp& stamp);
void RememberOwnSave();

// Back to the state at load. For tests.
void ResetBindingFileWatch();

}  // namespace dk
