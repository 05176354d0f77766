#include "plugin_session.h"

#include <cstdio>

#include "checks.h"
#include "iat_patch.h"
#include "load_notification.h"
#include "process_snapshot.h"

namespace standin {
namespace {

constexpr DWORD kRealTimeLimitMs = 90000;
const char* const kPatched[] = {"GetAsyncKeyState", "GetTickCount", "Sleep", "VirtualProtect", "CreateThread",
                                "GetForegroundWindow", "GetWindowThreadProcessId", "GetKeyboardLayout",
                                "MapVirtualKeyExW", "MoveFileExW", "_wfopen", "fwrite"};
constexpr int kPatchedCount = sizeof kPatched / sizeof kPatched[0];

std::string Directory(const std::string& path) {
    size_t slash = path.find_last_of("\\/");
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

}  // namespace

std::string WindowsPath(const std::string& path) {
    if (path.empty() || path[0] != '/') return path;
    std::string result = "Z:" + path;
    for (char& c : result)
        if (c == '/') c = '\\';
    return result;
}

std::string ScenarioFolder(const std::string& name) {
    char temp[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, temp);
    return std::string(temp) + "dk-standin\\" + name + "\\";
}

bool PrepareFolder(const std::string& folder, bool emptyItFirst) {
    std::string parent = Directory(folder.substr(0, folder.size() - 1));
    CreateDirectoryA(parent.c_str(), nullptr);
    CreateDirectoryA(folder.c_str(), nullptr);
    if (emptyItFirst) {
        WIN32_FIND_DATAA found;
        HANDLE h = FindFirstFileA((folder + "*").c_str(), &found);
        while (h != INVALID_HANDLE_VALUE) {
            std::string name = found.cFileName;
            if (name != "." && name != "..") {
                if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
                    RemoveDirectoryA((folder + name).c_str());
                else
                    DeleteFileA((folder + name).c_str());
            }
            if (!FindNextFileA(h, &found)) {
                FindClose(h);
                break;
            }
        }
    }
    return GetFileAttributesA(folder.c_str()) & FILE_ATTRIBUTE_DIRECTORY;
}

namespace {

// The stand-in's own file calls take the literal long form, so a folder
// beyond the old 260-character limit can be made and filled.
std::wstring LongForm(const std::wstring& path) {
    return path.size() > 2 && path[1] == L':' ? L"\\\\?\\" + path : path;
}

std::wstring Widen(const std::string& text) {
    std::wstring wide(text.size() + 1, L'\0');
    const int length = MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, wide.data(), static_cast<int>(wide.size()));
    wide.resize(length > 0 ? static_cast<size_t>(length - 1) : 0);
    return wide;
}

// Finds the plug-in's entry and points its imports at the world.
bool AdoptPlugin(HMODULE module, Session* session) {
    session->module = module;
    session->initialize = reinterpret_cast<void (*)()>(GetProcAddress(session->module, "InitializeASI"));
    if (!Check(session->initialize != nullptr, "the plug-in exports InitializeASI")) return false;

    ImportHook hooks[kPatchedCount];
    for (int i = 0; i < kPatchedCount; ++i) hooks[i] = {kPatched[i], HookFor(kPatched[i]), 0};
    PatchImports(session->module, hooks, kPatchedCount);
    bool all = true;
    for (const ImportHook& h : hooks) {
        if (h.patched == 0) {
            std::printf("note: the plug-in does not import %s\n", h.name);
            // Without its clock, keyboard, desk, files, Sleep or thread the run cannot be driven.
            if (std::string(h.name) != "VirtualProtect") all = false;
        }
    }
    return Check(all, "the plug-in's imports of the clock, keyboard, foreground window, keyboard layout, "
                      "file replace, open and write, Sleep and CreateThread are redirected");
}

// The session whose plug-in is being loaded, and whether its imports were
// pointed at the world while it was mapped, before its entry point ran.
Session* loading = nullptr;
bool adoptedWhenMapped = false;

void PluginMapped(HMODULE module) {
    if (loading) adoptedWhenMapped = AdoptPlugin(module, loading);
    loading = nullptr;
}

}  // namespace

bool ExpectPluginLoad(Session* session) {
    loading = session;
    adoptedWhenMapped = false;
    session->threadsBeforeLoad = CountThreads();
    return Check(WatchForModule(L"DuskvaleKeys.asi", PluginMapped), "the stand-in is told of each DLL load");
}

bool PluginLoaded(HMODULE module, Session* session) {
    loading = nullptr;
    if (!Check(module != nullptr, "the plug-in loads as a DLL")) return false;
    return Check(adoptedWhenMapped && session->module == module,
                 "the plug-in's imports were pointed at the virtual world before its DllMain ran");
}

bool PlacePlugin(const std::string& asiPath, const std::string& folder, Session* session) {
    session->folder = folder;
    session->pluginPath = folder + "DuskvaleKeys.asi";
    session->iniPath = folder + "DuskvaleKeys.ini";
    session->wideIniPath = Widen(session->iniPath);
    if (!CopyFileA(WindowsPath(asiPath).c_str(), session->pluginPath.c_str(), FALSE))
        return Check(false, "copy " + asiPath + " into " + folder);
    SetCurrentDirectoryA(folder.c_str());  // as an ASI loader does
    return true;
}

bool LoadPlacedPlugin(Session* session) {
    return ExpectPluginLoad(session) && PluginLoaded(LoadLibraryA(session->pluginPath.c_str()), session);
}

bool LoadPlugin(const std::string& asiPath, const std::string& folder, Session* session) {
    return PlacePlugin(asiPath, folder, session) && LoadPlacedPlugin(session);
}

bool LoadPluginWide(const std::string& asiPath, const std::wstring& folder, Session* session) {
    const std::wstring plugin = folder + L"DuskvaleKeys.asi";
    session->wideIniPath = folder + L"DuskvaleKeys.ini";
    if (!CopyFileW(LongForm(Widen(WindowsPath(asiPath))).c_str(), LongForm(plugin).c_str(), FALSE))
        return Check(false, "copy " + asiPath + " into the wide folder");
    SetCurrentDirectoryW(folder.c_str());  // as an ASI loader does; fails beyond 260 characters
    if (!ExpectPluginLoad(session)) return false;
    return PluginLoaded(LoadLibraryW(plugin.c_str()), session);
}

bool PrepareWideFolder(const std::wstring& folder) {
    for (size_t at = folder.find(L'\\', 3); at != std::wstring::npos; at = folder.find(L'\\', at + 1))
        CreateDirectoryW(LongForm(folder.substr(0, at)).c_str(), nullptr);
    for (const wchar_t* name : {L"DuskvaleKeys.ini", L"DuskvaleKeys.ini.tmp", L"DuskvaleKeys.asi"})
        DeleteFileW(LongForm(folder + name).c_str());
    const DWORD attributes = GetFileAttributesW(LongForm(folder).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

std::string ReadWideFile(const std::wstring& path) {
    std::string bytes;
    FILE* in = _wfopen(LongForm(path).c_str(), L"rb");
    if (!in) return bytes;
    char chunk[4096];
    for (size_t n; (n = std::fread(chunk, 1, sizeof chunk, in)) > 0;) bytes.append(chunk, n);
    std::fclose(in);
    return bytes;
}

bool WriteWideFile(const std::wstring& path, const std::string& bytes) {
    FILE* out = _wfopen(LongForm(path).c_str(), L"wb");
    if (!out) return false;
    bool ok = std::fwrite(bytes.data(), 1, bytes.size(), out) == bytes.size();
    return std::fclose(out) == 0 && ok;
}

std::string ReadFile(const std::string& path) {
    std::string bytes;
    FILE* in = std::fopen(path.c_str(), "rb");
    if (!in) return bytes;
    char chunk[4096];
    for (size_t n; (n = std::fread(chunk, 1, sizeof chunk, in)) > 0;) bytes.append(chunk, n);
    std::fclose(in);
    return bytes;
}

bool FileExists(const std::string& path) {
    DWORD a = GetFileAttributesA(path.c_str());
    return a != INVALID_FILE_ATTRIBUTES && !(a & FILE_ATTRIBUTE_DIRECTORY);
}

bool WriteTextFile(const std::string& path, const std::string& bytes) {
    FILE* out = std::fopen(path.c_str(), "wb");
    if (!out) return false;
    bool ok = std::fwrite(bytes.data(), 1, bytes.size(), out) == bytes.size();
    return std::fclose(out) == 0 && ok;
}

bool RunPlugin(const Session& session, Script script, int calls, bool workerMayEnd, bool* workerEnded) {
    StartScript(std::move(script));
    for (int i = 0; i < calls; ++i) session.initialize();
    ScriptEnd end = WaitForScript(kRealTimeLimitMs);
    if (workerEnded) *workerEnded = end == ScriptEnd::WorkerEnded;
    switch (end) {
        case ScriptEnd::Finished: return true;
        case ScriptEnd::WorkerEnded: return workerMayEnd || Check(false, "the worker thread keeps running");
        case ScriptEnd::TimedOut: return Check(false, "the run ends within the real-time limit");
        case ScriptEnd::NoWorker: return Check(false, "the plug-in starts a worker thread");
    }
    return false;
}

}  // namespace standin
