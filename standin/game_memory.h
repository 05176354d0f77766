#pragma once
// The stand-in's own zero-filled block that covers the game's address range.
#include <cstdint>
#include <string>
#include <vector>

namespace standin {

// True when every fixed game address lies inside our block; then the block
// is made writable and executable so the game's code can be laid into it.
bool ClaimGameMemory(std::string* why);

// After the game's code is written: code pages read+execute, data read+write,
// as a real image would have them (the plug-in must unprotect to patch).
void SealGameCode();

std::vector<uint8_t> SnapshotGameMemory();
bool GameMemoryEquals(const std::vector<uint8_t>& snapshot, uint32_t* firstDifference);

// Protection of the page holding an address, as VirtualQuery reports it.
uint32_t GamePageProtection(uint32_t address);

}  // namespace standin
