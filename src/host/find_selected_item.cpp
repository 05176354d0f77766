#include "host/find_selected_item.h"

namespace dk {

MenuItem* FindSelectedItem(FrontendPage* page) {
    for (int row = 0; row < kPageRows; ++row) {
        for (int column = 0; column < kPageColumns; ++column) {
            MenuItem* item = Host().pageItem(page, row, column);
            if (item != nullptr && Host().itemSelected(item)) return item;
        }
    }
    return nullptr;
}

}  // namespace dk
