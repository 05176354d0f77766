#pragma once
// The rest of the player's desk, as the plug-in asks Windows about it: which
// program's window is in front, if any, and the keyboard layout each thread
// types with.
#include <cstdint>

namespace standin {

// The game's window in front, a US keyboard on every thread; the calling
// thread is the one that owns the game's window.
void ResetDesk();
void PutGameInFront();
void PutOtherProgramInFront();
// No window in front, as for a moment during Alt+Tab and on the lock and
// elevation screens.
void PutNoWindowInFront();
bool GameIsInFront();
// What the game's window's thread types with from now on (a Windows layout
// handle's value); every other thread, the plug-in's worker included, keeps US.
void SetGameLayout(uint32_t layout);
int LayoutQueries();

void* DeskHookFor(const char* importName);  // null for a name not hooked

}  // namespace standin
