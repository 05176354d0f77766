#pragma once
// The game's menu system: manager, pages, items, the cursor and the game's own
// pages ("start", "controls", "movementkeys", "actionkeys").
#include <cstdint>
#include <string>
#include <vector>

#include "game_records.h"

#define GAME_THISCALL __attribute__((thiscall))

namespace standin {

// The game's frontend operations, in the game's call forms.
void* __cdecl GameAllocate(uint32_t bytes);
void* GAME_THISCALL GameConstructPage(void* memory);
void GAME_THISCALL GamePageAddItem(void* page, void* item);
void GAME_THISCALL GamePageComplete(void* page);
void* __cdecl GameGetFrontendManager();
void GAME_THISCALL GameRegisterPage(void* manager, void* page);
uint32_t GAME_THISCALL GameIsPageActive(void* manager, const GameText* name);
void* GAME_THISCALL GamePageFindItem(void* page, const char* const* name);
void __cdecl GameSetItemColour(int32_t red, int32_t green, int32_t blue, int32_t alpha);
void* __cdecl GameCreateTextItem(const GameText* text, const GamePair* position, const GamePair* scale);
void* __cdecl GameCreateLinkItem(const GameText* target, const GameText* label, const GamePair* position,
                                 int32_t zero);
void* __cdecl GameCreateKeyBindItem(const GameText* label, const GamePair* position, const GameText* label2,
                                    const GamePair* scale);

// The game's side, used by scenarios.
void BuildGameFrontend();  // registers the game's own pages; none shown yet
uint8_t* Manager();
// What the game's get-frontend-manager answers instead of its manager while
// its frontend is not built yet (null, or an address that cannot be read);
// RestoreManagerAnswer goes back to the manager.
void SetManagerAnswer(void* answer);
void RestoreManagerAnswer();
uint8_t* FindPage(const std::string& name);
uint8_t* CurrentPage();
std::string CurrentPageName();
void ShowPage(const std::string& name);  // as the game does it itself
void ShowNoPage();                       // in play
void MenuKey(int virtualKey);            // the game's menu reacts to a key going down
bool SelectItemByName(const std::string& name);  // with the arrow keys

std::vector<uint8_t*> PageItems(uint8_t* page);  // row by row
uint8_t* SelectedItem(uint8_t* page);
std::string PageName(uint8_t* page);
std::string ParentName(uint8_t* page);
std::string ItemName(uint8_t* item);
std::string ItemLabel(uint8_t* item);
int32_t ItemKind(uint8_t* item);
int32_t ItemValue(uint8_t* item);
bool ItemSelectable(uint8_t* item);
bool ItemColourIs(uint8_t* item, int32_t red, int32_t green, int32_t blue, int32_t alpha);
uint8_t* FindItem(uint8_t* page, const std::string& name);
int RegisteredPageCount(const std::string& name);

}  // namespace standin
