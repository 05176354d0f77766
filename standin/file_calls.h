#pragma once
// The plug-in's own file calls as the stand-in plays them: the replace of the
// binding file can be refused for a while, as a cloud client, a virus scanner
// or an editor holding the file would refuse it, and every try is counted with
// its virtual time; so is every open of the binding file for reading, and
// every write into the plug-in's log, with the thread that made it.
#include <windows.h>

#include <cstdint>
#include <vector>

namespace standin {

struct FileCallsSeen {
    std::vector<uint32_t> replaceTries;  // virtual times of MoveFileExW onto the binding file
    int refusedReplaces = 0;
    int bindingFileReads = 0;            // _wfopen of the binding file with a reading mode
    int logWrites = 0;                   // fwrite into the plug-in's log
    int logWritesOffWorker = 0;          // ... from a thread other than the plug-in's worker
};

// The stand-in's MoveFileExW, _wfopen and fwrite, by name; null for another name.
void* FileCallHookFor(const char* importName);

// While set, a replace onto the binding file fails with a sharing violation.
void RefuseReplaces(bool refuse);
const FileCallsSeen& FileCalls();

}  // namespace standin
