#include <windows.h>
#include <fcntl.h>
#include <io.h>

#include <cstdio>
#include <cstdlib>

#include "console_text.h"

namespace dk::check {

namespace {

// More than any report a binding file of sane size makes.
constexpr size_t kHeldBack = 1 << 16;

UINT codePageBefore = 0;

// The prompt dkcheck was started from keeps the code page it had. What is
// held back goes out first, in UTF-8: the runtime may flush only after this.
void RestoreCodePage() {
    std::fflush(stdout);
    std::fflush(stderr);
    SetConsoleOutputCP(codePageBefore);
}

bool IsConsole(std::FILE* stream) {
    DWORD mode;
    return GetConsoleMode(reinterpret_cast<HANDLE>(_get_osfhandle(_fileno(stream))), &mode) != FALSE;
}

// The runtime's text mode translates each byte by the C locale on its way to
// a console (a console starts a new line at "\n" by itself), and Wine's
// runtime hands an unbuffered stream over byte by byte, which splits the
// characters of more than one byte: the stream goes in binary, held back in
// a buffer until it is full or flushed.
void WholeBytes(std::FILE* stream) {
    _setmode(_fileno(stream), _O_BINARY);
    std::setvbuf(stream, nullptr, _IOFBF, kHeldBack);
}

}  // namespace

void ShowUtf8InTheConsole() {
    const bool output = IsConsole(stdout);
    const bool errors = IsConsole(stderr);
    // A file or a pipe takes the bytes as they are.
    if (!output && !errors) return;
    codePageBefore = GetConsoleOutputCP();
    if (codePageBefore != CP_UTF8) {
        if (codePageBefore == 0 || !SetConsoleOutputCP(CP_UTF8)) return;
        std::atexit(RestoreCodePage);
    }
    if (output) WholeBytes(stdout);
    if (errors) WholeBytes(stderr);
}

}  // namespace dk::check
