#include "key_labels.h"

#include <cstdio>

#include "kept_byte.h"
#include "keys/keyboard_layout.h"
#include "keys/layout_label.h"
#include "layout_command.h"

namespace dk::check {

bool TakeLayoutOption(std::vector<std::string>& arguments, bool& usLabels) {
    usLabels = false;
    for (size_t i = 1; i < arguments.size(); ++i) {
        if (arguments[i] == kSvgOption) {
            ++i;
            continue;
        }
        if (arguments[i] != kLayoutOption) continue;
        if (i + 1 == arguments.size() || arguments[i + 1] != kUsLayout) return false;
        arguments.erase(arguments.begin() + i, arguments.begin() + i + 2);
        usLabels = true;
        return true;
    }
    return true;
}

void LabelKeys(bool usLabels) {
    if (!usLabels) LookForLayoutChange(0);
}

std::string PlayerLabel(KeyCode code) { return LayoutLabel(KeptByte(code)); }

std::string YourKeyNote(KeyCode code) {
    const std::string label = PlayerLabel(code);
    return label.empty() ? "" : " (your key " + label + ")";
}

std::string LayoutName() {
    const KeyboardLayout layout = LayoutInForce();
    if (layout == 0) return "";
    char name[32];
    std::snprintf(name, sizeof name, "keyboard layout %08X", static_cast<unsigned>(layout & 0xFFFFFFFFu));
    return name;
}

}  // namespace dk::check
