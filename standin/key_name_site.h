#pragma once
// The game code around the key-name call site: a small routine that puts a key
// code in edx, pushes two stack arguments and calls through the 5 bytes at the
// site, then checks that the callee removed exactly those two arguments.
#include <cstdint>
#include <string>

namespace standin {

// knownBuild false lays a different instruction at the site (no near call).
void LayKeyNameRoutine(bool knownBuild);
std::string DrawKeyName(int32_t code);  // what the game shows for a code
bool KeyNameStackAlwaysBalanced();
bool CallSiteIsGameOriginal();  // still calls the game's own name function
bool CallSiteIsNearCall();      // 0xE8 at the site
uint32_t CallSiteTarget();      // where the near call goes
uint32_t GameKeyNameAddress();
std::string GameOwnKeyName(int32_t code);  // the text the game's own function gives

}  // namespace standin
