#pragma once

namespace dk {

// Records every acceptable line of the binding file as an override. A file
// that is missing or cannot be opened loads nothing; bad lines are skipped.
void LoadBindingFile();

// Rewrites the binding file whole from the game's table, then records what it
// wrote as the overrides of all mappable actions. The file is replaced in one
// step: when anything fails the old file stays byte for byte, no override
// changes, and the result is false.
bool SaveBindingFile();

}  // namespace dk
