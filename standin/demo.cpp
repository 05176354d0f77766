#include "demo.h"

#include <windows.h>

#include <cstdio>

#include "checks.h"
#include "game_frontend.h"
#include "key_name_site.h"

namespace standin {
namespace {

void PrintPage(const char* heading) {
    uint8_t* page = CurrentPage();
    std::printf("\n=== %s: page \"%s\" ===\n", heading, CurrentPageName().c_str());
    for (uint8_t* item : PageItems(page)) {
        const char* cursor = SelectedItem(page) == item ? "> " : "  ";
        if (ItemKind(item) == kKindKeyBind)
            std::printf("%s%-18s %s\n", cursor, ItemLabel(item).c_str(), DrawKeyName(ItemValue(item)).c_str());
        else if (ItemKind(item) == kKindLink)
            std::printf("%s[%s]  (opens %s)\n", cursor, ItemLabel(item).c_str(), ItemName(item).c_str());
        else
            std::printf("%s%s\n", cursor, ItemLabel(item).c_str());
    }
}

}  // namespace

int RunDemo(const RunContext& context) {
    Session session;
    if (!Boot(context, BootOptions{}, &session)) return 1;
    Script script;
    ShowStartAndSettle(script);
    script.Do([] { PrintPage("the game has loaded"); });
    script.Do([] { SelectItemByName("controls"); }).Tap(VK_RETURN).Do([] { PrintPage("after CONTROLS"); });
    script.Do([] { SelectItemByName("mymovementkeys"); }).Tap(VK_RETURN).After(400);
    script.Do([] { PrintPage("after MOVEMENT KEYS"); });
    script.Do([] { SelectItemByName("17"); });
    script.KeyDown(VK_RETURN).After(150).Do([] { PrintPage("Enter on A_FWD_PC: waiting for a key"); });
    script.After(150).KeyUp(VK_RETURN).After(300).Tap('I', 300, 300);
    script.Do([] { PrintPage("after pressing I"); });
    script.Do([&] {
        std::printf("\n=== %s ===\n%s", session.iniPath.c_str(), ReadFile(session.iniPath).c_str());
    });
    RunPlugin(session, std::move(script), 1, false, nullptr);
    return FailureCount() ? 1 : 0;
}

}  // namespace standin
