#pragma once
// What dkcheck prints is UTF-8: the labels of a player's keys (Ù, ß, ²) and
// folder names in any script.

namespace dk::check {

// On Windows, a console shows that text as UTF-8 until dkcheck ends, and then
// goes back to the code page it had; a console's own code page would garble
// every character outside ASCII. Standard output and errors to a console are
// then held back until flushed: at the end, or before a question, output
// first, as dkcheck only ever says an error after its other output. Elsewhere
// the terminal's text already is UTF-8, and nothing changes.
void ShowUtf8InTheConsole();

}  // namespace dk::check
