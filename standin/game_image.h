#pragma once
// Lays out the whole game image: every operation at its fixed address, the
// key-name routine, the binding table, the frontend and no player.
#include <string>

namespace standin {

bool BuildGameImage(bool knownBuild, std::string* why);

}  // namespace standin
