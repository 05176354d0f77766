#include "drawn_layout.h"

#include <algorithm>

#include "kept_byte.h"
#include "key_places.h"

namespace dk::check {

DrawnLayout DefaultLayout() {
    DrawnLayout layout;
    for (const CatalogueEntry& entry : ActionCatalogue) layout.actions.push_back({entry.index, entry.defaultCode, true});
    return layout;
}

DrawnLayout LayoutFromFile(const ActionResults& results, std::string sourceName) {
    DrawnLayout layout{{}, std::move(sourceName)};
    for (const ActionResult& result : results) {
        if (result.setByFile) {
            layout.actions.push_back({result.index, result.code, false});
        } else {
            layout.actions.push_back({result.index, FindCatalogueEntry(result.index)->defaultCode, true});
        }
    }
    return layout;
}

std::vector<DrawnAction> ActionsOnByte(const DrawnLayout& layout, uint8_t byte) {
    std::vector<DrawnAction> actions;
    for (const DrawnAction& action : layout.actions) {
        if (KeptByte(action.code) == byte) actions.push_back(action);
    }
    return actions;
}

std::vector<uint8_t> UnplacedBytes(const DrawnLayout& layout) {
    std::vector<uint8_t> bytes;
    for (const DrawnAction& action : layout.actions) {
        const uint8_t byte = KeptByte(action.code);
        if (byte != 0 && !FindPlace(action.code) && std::find(bytes.begin(), bytes.end(), byte) == bytes.end()) {
            bytes.push_back(byte);
        }
    }
    std::sort(bytes.begin(), bytes.end());
    return bytes;
}

}  // namespace dk::check
