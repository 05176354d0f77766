#include "keys/key_name_text.h"

#include <array>
#include <atomic>

#include "keys/key_name_table.h"

namespace dk {
namespace {

constexpr int Length(const char* text) {
    int length = 0;
    while (text[length] != '\0') ++length;
    return length;
}

// Every name once, then "unsupported", each with its terminator.
constexpr int kPoolUnits = [] {
    int units = Length(kUnsupportedName) + 1;
    for (const NamedCode& entry : kNamedCodes) units += Length(entry.name) + 1;
    return units;
}();

struct WidePool {
    std::array<char16_t, kPoolUnits> units{};
    std::array<int, kNamedCodeCount + 1> start{};  // the last one is "unsupported"
};

constexpr int AppendWide(WidePool& pool, int at, const char* name) {
    // The names are ASCII, so each byte is its own UTF-16 unit.
    for (int i = 0; name[i] != '\0'; ++i) pool.units[at++] = static_cast<char16_t>(name[i]);
    pool.units[at++] = u'\0';
    return at;
}

constexpr WidePool kPool = [] {
    WidePool pool;
    int at = 0;
    for (int i = 0; i < kNamedCodeCount; ++i) {
        pool.start[i] = at;
        at = AppendWide(pool, at, kNamedCodes[i].name);
    }
    pool.start[kNamedCodeCount] = at;
    AppendWide(pool, at, kUnsupportedName);
    return pool;
}();

// One load per call: the name of every looked-up code, resolved at compile time.
constexpr auto kWideByCode = [] {
    std::array<const char16_t*, kLookedUpCodeCount> names{};
    for (int i = 0; i < kLookedUpCodeCount; ++i) {
        const int entry = kNameEntryByCode[i];
        names[i] = kPool.units.data() + kPool.start[entry == kUnnamed ? kNamedCodeCount : entry];
    }
    return names;
}();

constexpr const char16_t* kWideUnsupported = kPool.units.data() + kPool.start[kNamedCodeCount];

// The names of the keyboard layout in force; the fixed names until one is known.
std::atomic<WideNameTable> shownNames{kWideByCode.data()};

}  // namespace

const char16_t* KeyNameWide(KeyCode code) {
    // The game asks for codes it holds: the common case goes straight through.
    if (code >= kLowestLookedUpCode && code <= kHighestLookedUpCode) [[likely]] {
        return shownNames.load(std::memory_order_acquire)[code - kLowestLookedUpCode];
    }
    return kWideUnsupported;
}

WideNameTable FixedWideNames() { return kWideByCode.data(); }

void ShowWideNames(WideNameTable names) { shownNames.store(names, std::memory_order_release); }

}  // namespace dk
