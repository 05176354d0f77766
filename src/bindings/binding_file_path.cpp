#include "bindings/binding_file_path.h"

#include "platform/platform.h"

namespace dk {

std::string bindingFilePath;

namespace {

// Asked once: a module's path does not change while it is loaded.
bool moduleNameUnavailable = false;

}  // namespace

std::string FileBesideModule(const std::string& moduleFileName, const char* extension) {
    const size_t separator = moduleFileName.find_last_of("\\/");
    const size_t nameStart = separator == std::string::npos ? 0 : separator + 1;
    std::string directory = moduleFileName.substr(0, nameStart);
    std::string name = moduleFileName.substr(nameStart);
    const size_t dot = name.rfind('.');
    if (dot != std::string::npos) name.erase(dot);
    return directory + name + extension;
}

std::string ResolveBindingFilePath(const std::string& moduleFileName) {
    return FileBesideModule(moduleFileName, ".ini");
}

bool HaveBindingFilePath() {
    if (!bindingFilePath.empty()) return true;
    if (moduleNameUnavailable) return false;
    std::string moduleFileName;
    // A name that is not whole could point at another file: better none at all.
    if (!Platform().moduleFileName(moduleFileName)) {
        moduleNameUnavailable = true;
        return false;
    }
    bindingFilePath = ResolveBindingFilePath(moduleFileName);
    return true;
}

void ForgetBindingFilePath() {
    bindingFilePath.clear();
    moduleNameUnavailable = false;
}

}  // namespace dk
