#include "core/item_index.h"

#include <cstdint>
#include <limits>

namespace dk {

namespace {

bool IsBlank(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

int32_t ParseDecimalPrefix(const char* text) {
    const char* p = text;
    while (IsBlank(*p)) ++p;
    bool negative = false;
    if (*p == '+' || *p == '-') negative = (*p++ == '-');
    // One past the int32 range on either side is enough to saturate.
    constexpr int64_t limit = int64_t{std::numeric_limits<int32_t>::max()} + 1;
    int64_t magnitude = 0;
    for (; IsDigit(*p); ++p) {
        if (magnitude < limit) magnitude = magnitude * 10 + (*p - '0');
    }
    if (magnitude > limit) magnitude = limit;
    const int64_t value = negative ? -magnitude : magnitude;
    if (value > std::numeric_limits<int32_t>::max()) return std::numeric_limits<int32_t>::max();
    return static_cast<int32_t>(value);
}

bool ReadItemIndex(MenuItem* item, ActionIndex& index) {
    const TextRef name = Host().itemName(item);
    if (name.text == nullptr) return false;
    const ActionIndex parsed = ParseDecimalPrefix(name.text);
    if (!IsActionInRange(parsed)) return false;
    index = parsed;
    return true;
}

}  // namespace dk
