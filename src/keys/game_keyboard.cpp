#include "keys/game_keyboard.h"

#include "keys/virtual_keys.h"
#include "platform/platform.h"

namespace dk {
namespace {

struct GameKeyboard {
    uint32_t gameThread;  // 0: another program's window or none is in front
    bool heldOver[kHighestScannedVirtualKey + 1];
    int heldCount;
};

GameKeyboard keyboard{};

void LetGoOfKeysUp() {
    for (int virtualKey = 1; keyboard.heldCount > 0 && virtualKey <= kHighestScannedVirtualKey; ++virtualKey) {
        if (!keyboard.heldOver[virtualKey] || Platform().isKeyDown(virtualKey)) continue;
        keyboard.heldOver[virtualKey] = false;
        --keyboard.heldCount;
    }
}

}  // namespace

void FollowGameFocus() {
    const bool wasInFront = keyboard.gameThread != 0;
    keyboard.gameThread = Platform().gameThreadInFront();
    if (keyboard.gameThread == 0) return;
    if (wasInFront) {
        LetGoOfKeysUp();
    } else {
        HoldOverKeysDown();
    }
}

uint32_t GameThreadInFront() { return keyboard.gameThread; }

GameKey ReadGameKey(int virtualKey) {
    if (keyboard.gameThread == 0 || virtualKey < 1 || virtualKey > kHighestScannedVirtualKey) return GameKey::Up;
    if (!Platform().isKeyDown(virtualKey)) return GameKey::Up;
    return keyboard.heldOver[virtualKey] ? GameKey::HeldOver : GameKey::Down;
}

void HoldOverKeysDown() {
    keyboard.heldCount = 0;
    for (int virtualKey = 1; virtualKey <= kHighestScannedVirtualKey; ++virtualKey) {
        keyboard.heldOver[virtualKey] = Platform().isKeyDown(virtualKey);
        keyboard.heldCount += keyboard.heldOver[virtualKey] ? 1 : 0;
    }
}

void ResetGameKeyboard() { keyboard = GameKeyboard{}; }

}  // namespace dk
