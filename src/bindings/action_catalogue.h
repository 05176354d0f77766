#pragma once
#include <array>
#include <cstdint>

#include "keys/key_code.h"

namespace dk {

using ActionIndex = int32_t;

inline constexpr ActionIndex kMaxActionIndex = 59;
inline constexpr int kMappableActionCount = 33;

// True for 0..59, compared as unsigned so negative indices are out of range too.
constexpr bool IsActionInRange(ActionIndex index) {
    return static_cast<uint32_t>(index) <= static_cast<uint32_t>(kMaxActionIndex);
}

// The custom control page that shows an action.
enum class ControlPage : uint8_t { Movement, Action };

struct CatalogueEntry {
    ActionIndex index;
    const char* name;  // upper case, written after each binding line of the file
    ControlPage page;
    KeyCode defaultCode;
};

// The one table of rebindable actions, ascending by index; everything below
// derives from it.
extern const std::array<CatalogueEntry, kMappableActionCount> ActionCatalogue;

// Ascending: every walk over the mappable actions goes in this order.
extern const std::array<ActionIndex, kMappableActionCount> MappableActions;

bool IsMappable(ActionIndex index);
// "UNKNOWN_ACTION" for an index outside the catalogue.
const char* ActionName(ActionIndex index);
// Null for an index outside the catalogue.
const CatalogueEntry* FindCatalogueEntry(ActionIndex index);

}  // namespace dk
