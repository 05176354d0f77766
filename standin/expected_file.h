#pragma once
// What the binding file must say, worked out independently of the plug-in.
#include <cstdint>
#include <string>
#include <vector>

namespace standin {

std::string ExpectedToken(uint8_t hostByte);       // the file token for a slot's first byte
std::string ExpectedDisplayName(int32_t code);      // what the game must draw for a code
int32_t ExpectedReadBack(uint8_t hostByte);         // the code a slot's first byte stands for
std::string ExpectedBindingLine(int action, uint8_t hostByte);  // "17=W ; MOVE_FORWARD"
int8_t PluginDefaultKey(int action);                // the plug-in's own default layout

// Splits at CR LF; *allCrLf is false if any line end is a bare LF or CR, or the
// last line has no end.
std::vector<std::string> SplitCrLf(const std::string& bytes, bool* allCrLf);

// A file as the plug-in writes it: 201 CR LF lines, the fixed header, and one
// line per mappable action that mirrors the game's table as it is now.
bool CheckWrittenFile(const std::string& bytes, const std::string& when);
bool FileHasLine(const std::string& bytes, const std::string& line);

}  // namespace standin
