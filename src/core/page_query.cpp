#include "core/page_query.h"

namespace dk {

bool IsPageShown(const TextRef& pageName) {
    return Host().isPageActive(Host().getFrontendManager(), &pageName);
}

}  // namespace dk
