#pragma once
// The rest of the player's desk, as the plug-in asks Windows about it: which
// program's window is in front, and the keyboard layout the player types with.
#include <cstdint>

namespace standin {

// The game's window in front, a US keyboard.
void ResetDesk();
void PutGameInFront();
void PutOtherProgramInFront();
bool GameIsInFront();
// What every thread types with from now on (a Windows layout handle's value).
void SetKeyboardLayout(uint32_t layout);
int LayoutQueries();

void* DeskHookFor(const char* importName);  // null for a name not hooked

}  // namespace standin
