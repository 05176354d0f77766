#include "bindings/binding_file_path.h"

#include "platform/platform.h"

namespace dk {

std::string bindingFilePath;

std::string ResolveBindingFilePath(const std::string& moduleFileName) {
    const size_t separator = moduleFileName.find_last_of("\\/");
    const size_t nameStart = separator == std::string::npos ? 0 : separator + 1;
    std::string directory = moduleFileName.substr(0, nameStart);
    std::string name = moduleFileName.substr(nameStart);
    const size_t dot = name.rfind('.');
    if (dot != std::string::npos) name.erase(dot);
    return directory + name + ".ini";
}

const std::string& EnsureBindingFilePath() {
    if (bindingFilePath.empty()) bindingFilePath = ResolveBindingFilePath(Platform().moduleFileName());
    return bindingFilePath;
}

}  // namespace dk
