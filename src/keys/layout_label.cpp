#include "keys/layout_label.h"

#include <string_view>

#include "keys/key_name_table.h"
#include "keys/key_name_text.h"

namespace dk {
namespace {

// The names hold no surrogates: each unit is one character of one to three bytes.
std::string Utf8(std::u16string_view text) {
    std::string utf8;
    for (const char16_t unit : text) {
        if (unit < 0x80) {
            utf8 += static_cast<char>(unit);
        } else if (unit < 0x800) {
            utf8 += static_cast<char>(0xC0 | (unit >> 6));
            utf8 += static_cast<char>(0x80 | (unit & 0x3F));
        } else {
            utf8 += static_cast<char>(0xE0 | (unit >> 12));
            utf8 += static_cast<char>(0x80 | ((unit >> 6) & 0x3F));
            utf8 += static_cast<char>(0x80 | (unit & 0x3F));
        }
    }
    return utf8;
}

}  // namespace

std::string LayoutLabel(KeyCode code) {
    if (code < kLowestLookedUpCode || code > kHighestLookedUpCode) return "";
    const std::u16string_view shown = KeyNameWide(code);
    if (shown == FixedWideNames()[code - kLowestLookedUpCode]) return "";
    return Utf8(shown);
}

}  // namespace dk
