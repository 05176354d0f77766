#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "keys/binding_tokens.h"
#include "keys/key_name_text.h"

namespace {

// Game threads ask for a name every frame for every key on screen: the whole
// code range the host can hand over (its signed bytes and ours), mouse codes
// and unknown ones included.
void KeyNameWide(benchmark::State& state) {
    dk::KeyCode code = -130;
    for (auto _ : state) {
        benchmark::DoNotOptimize(dk::KeyNameWide(code));
        code = code == 260 ? -130 : code + 1;
    }
}
BENCHMARK(KeyNameWide);

// What a hand-edited file holds: names in any case, aliases, numbers in every
// base, quotes, trailing comments, and tokens that fail.
const std::vector<std::string> kTokens = {
    "W", "MOUSE_X1", "mouse x1", "'Mouse-X1'", "KEY_0", "key 1", "ENTER", "LALT", "CAPSLOCK",
    "PRESS A KEY", "*No Keybind Set*", "NUMPADENTER", "-28", "0x1C", "034", "+57", "2147483648",
    "08", "57 # space", "MOUSE_X1 ; RUN", "numpad 7", "unsupported", "", "RCONTROL",
};

void ParseKeyToken(benchmark::State& state) {
    size_t next = 0;
    for (auto _ : state) {
        dk::KeyCode code = 0;
        benchmark::DoNotOptimize(dk::ParseKeyToken(kTokens[next], code));
        benchmark::DoNotOptimize(code);
        next = next + 1 == kTokens.size() ? 0 : next + 1;
    }
}
BENCHMARK(ParseKeyToken);

}  // namespace
