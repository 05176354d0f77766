#include "core/page_query.h"

namespace dk {

// Without a frontend (not built yet, or being rebuilt) no page is shown.
bool IsPageShown(const TextRef& pageName) {
    FrontendManager* manager = Host().getFrontendManager();
    return manager != nullptr && Host().isPageActive(manager, &pageName);
}

}  // namespace dk
