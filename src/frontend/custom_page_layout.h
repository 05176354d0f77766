#pragma once
// What the two control pages hold and where: the tables the page builder walks.
#include <array>
#include <cstdint>
#include <span>

#include "bindings/action_catalogue.h"
#include "host/host_interface.h"

namespace dk {

struct ItemColour {
    int32_t red, green, blue, alpha;
};

struct TextItemLayout {
    const char* text;
    FloatPair position;
    FloatPair scale;
};

struct KeyBindItemLayout {
    ActionIndex action;
    const char* label;
    float x;
    float y;
};

struct CustomPageLayout {
    const char* pageName;
    const char* title;
    std::span<const KeyBindItemLayout> keyBindItems;
};

inline constexpr ItemColour kHeadingColour{150, 30, 0, 170};
inline constexpr ItemColour kItemColour{200, 210, 175, 170};
// Mouse buttons and codes above 127 cannot be captured here, so they look disabled.
inline constexpr ItemColour kUncapturableColour{108, 82, 75, 170};

inline constexpr const char* kMovementPageName = "mymovementkeys";
inline constexpr const char* kActionPageName = "myactionkeys";
inline constexpr const char* kParentPageName = "controls";
inline constexpr const char* kCreditText = "DuskvaleKeys: rebind every key";
inline constexpr const char* kNoticeText = "Notice: Use arrow and enter keys to set new keybinds";

// Credit, notice and title (the title's text comes from the page), in this order.
inline constexpr std::array<TextItemLayout, 3> kHeadingItems{{
    {kCreditText, {0.1f, 0.02f}, {0.6f, 0.6f}},
    {kNoticeText, {0.55f, 0.89f}, {0.7f, 0.7f}},
    {nullptr, {0.08f, 0.124f}, {1.3f, 1.4f}},
}};

inline constexpr FloatPair kKeyBindScale{0.7f, 0.7f};

inline constexpr const char* kApplyLabel = "apply";
inline constexpr FloatPair kApplyPosition{0.1f, 0.9f};

inline constexpr const char* kResetText = "reset";
inline constexpr const char* kResetButtonName = "reset_button";
inline constexpr FloatPair kResetPosition{0.25f, 0.9f};
inline constexpr FloatPair kResetScale{0.0f, 0.0f};

extern const std::array<KeyBindItemLayout, 14> kMovementKeyBindItems;
extern const std::array<KeyBindItemLayout, 19> kActionKeyBindItems;
extern const CustomPageLayout kMovementPageLayout;
extern const CustomPageLayout kActionPageLayout;

}  // namespace dk
