#pragma once
// dkcheck's command line and the file it names. Paths are UTF-8 here; on
// Windows the arguments are taken in wide characters and the file is opened
// with the wide calls, so any path the command line can carry works.
#include <cstdio>
#include <string>
#include <vector>

namespace dk::check {

std::vector<std::string> Utf8Arguments(int argc, char** argv);

// As fopen(path, "rb"); errno tells why on failure.
std::FILE* OpenForReading(const std::string& path);

// Opening a folder succeeds on some systems and then reads as an empty file.
bool IsFolder(const std::string& path);

}  // namespace dk::check
