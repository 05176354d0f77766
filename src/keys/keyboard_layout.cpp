#include "keys/keyboard_layout.h"

#include <array>
#include <cstdio>
#include <memory>
#include <vector>

#include "keys/character_keys.h"
#include "keys/key_name_table.h"
#include "keys/key_name_text.h"
#include "keys/layout_key_name.h"
#include "keys/virtual_keys.h"
#include "log/plugin_log.h"
#include "platform/platform.h"

namespace dk {
namespace {

constexpr int kVirtualKeyCount = 256;
constexpr int kCharacterPlaceCount = [] {
    int count = 0;
    for (KeyCode code = 0; code <= kHighestCharacterPlace; ++code) count += IsCharacterPlace(code) ? 1 : 0;
    return count;
}();

// What Windows says of one layout, read once. 0 marks "ask the fixed tables".
struct LayoutKeys {
    KeyboardLayout layout;
    std::array<uint8_t, kVirtualKeyCount> placeOfKey{};            // by character virtual key
    std::array<uint8_t, kHighestCharacterPlace + 1> keyAtPlace{};  // by character place
    std::array<const char16_t*, kLookedUpCodeCount> names{};
    std::array<char16_t, 2 * kCharacterPlaceCount> nameUnits{};    // one character and its terminator each
};

struct LayoutState {
    std::vector<std::unique_ptr<LayoutKeys>> known;  // never shrinks: the game may hold their names
    const LayoutKeys* inForce = nullptr;
    bool gameLayoutSeen = false;
};

LayoutState state;

uint32_t Map(uint32_t code, KeyMapping mapping, KeyboardLayout layout) {
    return Platform().mapVirtualKey(code, mapping, layout);
}

void ReadKeyPlaces(LayoutKeys& keys) {
    for (int virtualKey = 0; virtualKey < kVirtualKeyCount; ++virtualKey) {
        if (!IsCharacterKey(virtualKey)) continue;
        const uint32_t place = Map(virtualKey, KeyMapping::VirtualKeyToScanCode, keys.layout);
        if (place >= 1 && place <= kHighestLayoutScanCode) keys.placeOfKey[virtualKey] = static_cast<uint8_t>(place);
    }
    for (KeyCode place = 0; place <= kHighestCharacterPlace; ++place) {
        if (!IsCharacterPlace(place)) continue;
        const uint32_t virtualKey = Map(place, KeyMapping::ScanCodeToVirtualKey, keys.layout);
        if (virtualKey <= kHighestScannedVirtualKey) keys.keyAtPlace[place] = static_cast<uint8_t>(virtualKey);
    }
}

void ReadKeyNames(LayoutKeys& keys) {
    const WideNameTable fixed = FixedWideNames();
    for (int i = 0; i < kLookedUpCodeCount; ++i) keys.names[i] = fixed[i];
    int unit = 0;
    for (KeyCode place = 0; place <= kHighestCharacterPlace; ++place) {
        if (!IsCharacterPlace(place)) continue;
        const uint32_t virtualKey = keys.keyAtPlace[place];
        const uint32_t character =
            virtualKey == 0 ? 0 : Map(virtualKey, KeyMapping::VirtualKeyToCharacter, keys.layout);
        const char16_t name = LayoutKeyName(place, virtualKey, character);
        if (name == 0) continue;
        keys.nameUnits[unit] = name;
        keys.names[place - kLowestLookedUpCode] = &keys.nameUnits[unit];
        unit += 2;
    }
}

const LayoutKeys* KnownOrRead(KeyboardLayout layout) {
    for (const auto& keys : state.known) {
        if (keys->layout == layout) return keys.get();
    }
    auto keys = std::make_unique<LayoutKeys>();
    keys->layout = layout;
    ReadKeyPlaces(*keys);
    ReadKeyNames(*keys);
    state.known.push_back(std::move(keys));
    return state.known.back().get();
}

// "keyboard layout 040C040C": the handle as Windows tools show it, and whose it is.
void TellLayout(KeyboardLayout layout, bool games) {
    char text[96];
    std::snprintf(text, sizeof text, "keyboard layout %08X, %s", static_cast<unsigned>(layout & 0xFFFFFFFFu),
                  games ? "the game window's" : "the plug-in's own until the game's window is in front");
    LogLine(text);
}

}  // namespace

void LookForLayoutChange(uint32_t gameThread) {
    if (gameThread == 0 && state.gameLayoutSeen) return;
    const KeyboardLayout layout = Platform().keyboardLayout(gameThread);
    // No answer (the thread has just ended): keep what is in force.
    if (layout == 0) return;
    // The log also hears when the layout in force turns out to be the game's.
    const bool firstFromGame = gameThread != 0 && !state.gameLayoutSeen;
    state.gameLayoutSeen = state.gameLayoutSeen || gameThread != 0;
    const bool changed = state.inForce == nullptr || state.inForce->layout != layout;
    if (changed) {
        state.inForce = KnownOrRead(layout);
        ShowWideNames(state.inForce->names.data());
    }
    if (changed || firstFromGame) TellLayout(layout, gameThread != 0);
}

KeyCode CapturedKeyCode(int virtualKey) {
    if (state.inForce != nullptr && IsCharacterKey(virtualKey) && state.inForce->placeOfKey[virtualKey] != 0) {
        return state.inForce->placeOfKey[virtualKey];
    }
    return VirtualKeyToKeyCode(virtualKey);
}

bool PolledVirtualKey(KeyCode code, int& virtualKey) {
    if (state.inForce != nullptr && IsCharacterPlace(code) && state.inForce->keyAtPlace[code] != 0) {
        virtualKey = state.inForce->keyAtPlace[code];
        return true;
    }
    return KeyCodeToVirtualKey(code, virtualKey);
}

KeyboardLayout LayoutInForce() { return state.inForce != nullptr ? state.inForce->layout : 0; }

void ResetKeyboardLayout() {
    state.inForce = nullptr;
    state.gameLayoutSeen = false;
    ShowWideNames(FixedWideNames());
}

}  // namespace dk
