// The game's functions in their own call forms, one line each.
#include "host/x86/call_forms.h"
#include "host/x86/frontend_reads.h"
#include "host/x86/host_addresses.h"
#include "host/x86/x86_host.h"

namespace dk::x86 {

namespace {

void* Allocate(uint32_t bytes) { return CallPlain<void*>(kHostAllocate, bytes); }

FrontendPage* ConstructPage(void* memory) { return CallOn<FrontendPage*>(kHostConstructPage, memory); }

void PageAddItem(FrontendPage* page, MenuItem* item) { CallOn<void>(kHostPageAddItem, page, item); }

void PageComplete(FrontendPage* page) { CallOn<void>(kHostPageComplete, page); }

// Before the game has built its frontend there is none; a record that cannot
// be read is treated the same, so nothing is ever called on it.
FrontendManager* GetFrontendManager() {
    FrontendManager* manager = CallPlain<FrontendManager*>(kHostGetFrontendManager);
    return IsReadableManager(manager) ? manager : nullptr;
}

void RegisterPage(FrontendManager* manager, FrontendPage* page) {
    CallOn<void>(kHostRegisterPage, manager, page);
}

// The game answers in al only; the rest of eax is whatever it left there.
bool IsPageActive(FrontendManager* manager, const TextRef* pageName) {
    return CallOn<uint8_t>(kHostIsPageActive, manager, pageName) != 0;
}

// The game reads only the text pointer of the word it is given.
MenuItem* PageFindItem(FrontendPage* page, const char* name) {
    const TextRef word{name, 0};
    return CallOn<MenuItem*>(kHostPageFindItem, page, &word);
}

void SetItemColour(int32_t red, int32_t green, int32_t blue, int32_t alpha) {
    CallPlain<void>(kHostSetItemColour, red, green, blue, alpha);
}

MenuItem* CreateTextItem(const TextRef* text, const FloatPair* position, const FloatPair* scale) {
    return CallPlain<MenuItem*>(kHostCreateTextItem, text, position, scale);
}

MenuItem* CreateLinkItem(const TextRef* target, const TextRef* label, const FloatPair* position) {
    return CallPlain<MenuItem*>(kHostCreateLinkItem, target, label, position, int32_t{0});
}

MenuItem* CreateKeyBindItem(const TextRef* label, const FloatPair* position, const FloatPair* scale) {
    return CallPlain<MenuItem*>(kHostCreateKeyBindItem, label, position, label, scale);
}

}  // namespace

void FillGameCalls(HostInterface& host) {
    host.allocate = Allocate;
    host.constructPage = ConstructPage;
    host.pageAddItem = PageAddItem;
    host.pageComplete = PageComplete;
    host.getFrontendManager = GetFrontendManager;
    host.registerPage = RegisterPage;
    host.isPageActive = IsPageActive;
    host.pageFindItem = PageFindItem;
    host.setItemColour = SetItemColour;
    host.createTextItem = CreateTextItem;
    host.createLinkItem = CreateLinkItem;
    host.createKeyBindItem = CreateKeyBindItem;
    // Variadic, so cdecl already: the caller's format and arguments reach the
    // game untouched when the entry is the game's function itself.
    host.logPrintf = reinterpret_cast<void (*)(int32_t, const char*, ...)>(kHostLogPrintf);
}

}  // namespace dk::x86
