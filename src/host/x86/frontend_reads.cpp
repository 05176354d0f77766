#include "host/x86/frontend_reads.h"

#include "host/x86/fault_guard.h"
#include "host/x86/record_offsets.h"
#include "host/x86/x86_host.h"

namespace dk::x86 {

namespace {

// The page array ends where the page count begins.
constexpr int32_t kManagerPageSlots = (kManagerPageCount - kManagerPages) / sizeof(FrontendPage*);

int32_t PageCount(FrontendManager* manager) {
    int32_t count = 0;
    SafeReadField(manager, kManagerPageCount, &count);
    return count;
}

FrontendPage* Page(FrontendManager* manager, int32_t index) {
    if (index < 0 || index >= kManagerPageSlots) return nullptr;
    FrontendPage* page = nullptr;
    SafeReadField(manager, kManagerPages + index * sizeof(FrontendPage*), &page);
    return page;
}

}  // namespace

// The fields lie between the manager's first byte and the end of its page
// count, less than a memory page apart: when both ends read, so does all between.
bool IsReadableManager(const FrontendManager* manager) {
    if (manager == nullptr) return false;
    uint32_t word = 0;
    return SafeReadField(manager, 0, &word) && SafeReadField(manager, kManagerPageCount, &word);
}

bool IsPageNamed(FrontendPage* page, const char* name) {
    if (page == nullptr) return false;
    uintptr_t text = 0;
    if (!SafeReadField(page, kPageName, &text) || text == 0) return false;
    for (uintptr_t at = text;; ++at, ++name) {
        uint8_t byte = 0;
        if (!SafeReadByte(at, &byte) || byte != static_cast<uint8_t>(*name)) return false;
        if (byte == 0) return true;
    }
}

void FillFrontendReads(HostInterface& host) {
    host.pageCount = PageCount;
    host.page = Page;
    host.isPageNamed = IsPageNamed;
}

}  // namespace dk::x86
