#pragma once
#include "bindings/action_catalogue.h"
#include "bindings/file_reading.h"
#include "platform/platform.h"

namespace dk {

// Start-up: records every acceptable line of the binding file as an override.
// A file that is missing or cannot be opened loads nothing; bad lines are skipped.
void LoadBindingFile();

// Rewrites the binding file whole from the game's table, then records what it
// wrote as the overrides of all mappable actions. A file changed since the
// plug-in last read or wrote it is first read as at start-up and put into the
// game's table, so the save keeps every hand edit; bindings made in the menu
// and not yet saved keep their keys over the file's lines. The file is
// replaced in one step: when anything fails (a changed file that cannot be
// read now included) the old file stays byte for byte, the result is false,
// and the bindings stay unsaved until a retry at the periodic check succeeds.
bool SaveBindingFile();

// A key just bound in the menu: `index` keeps it over the file's line, then
// the file is saved.
bool SaveMenuBinding(ActionIndex index);

// After a reset: every action keeps the reset's binding over the file.
bool SaveResetBindings();

// The first start: the module's path is known and nothing but a missing file
// (or a directory) is there. False when there is no path: no file is seeded.
bool BindingFileMissing();

// The start-up reader: each acceptable line sets its action's override, except
// for actions marked in `kept`, and `reading` counts what it found. False when
// the file cannot be opened or is too large to read (then LastFileError says
// which); `stamp`, taken just before, tells the size without opening it.
bool ReadBindingFile(const FileStamp& stamp, const bool (&kept)[kMaxActionIndex + 1], FileReading& reading);

}  // namespace dk
