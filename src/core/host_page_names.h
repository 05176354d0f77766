#pragma once
#include <string_view>

#include "frontend/custom_page_layout.h"
#include "host/host_interface.h"

namespace dk {

// A constant text as the game takes it: pointer and length without the NUL.
constexpr TextRef ConstantTextRef(const char* text) {
    return TextRef{text, static_cast<int32_t>(std::string_view(text).size())};
}

// The game's own frontend: its first page, and the controls page's two links
// to its own control pages (the controls page is the custom pages' parent).
inline constexpr TextRef kStartPageName = ConstantTextRef("start");
inline constexpr const char* kControlsPageName = kParentPageName;
inline constexpr const char* kMovementLinkName = "movementkeys";
inline constexpr const char* kActionLinkName = "actionkeys";

// The custom pages, as the frontend is asked about them and as the links name them.
inline constexpr TextRef kMovementPageText = ConstantTextRef(kMovementPageName);
inline constexpr TextRef kActionPageText = ConstantTextRef(kActionPageName);

}  // namespace dk
