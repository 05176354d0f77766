#include "bindings/action_catalogue.h"

namespace dk {

namespace {

using enum ControlPage;

constexpr std::array<CatalogueEntry, kMappableActionCount> kCatalogue = {{
    {0, "USE", Action, 57},
    {1, "WALLSQUASH", Movement, 46},
    {2, "LOOKBACK", Movement, 45},
    {3, "RELOAD", Action, 19},
    {4, "PICKUP", Action, 33},
    {5, "DROP", Action, 33},
    {7, "FIRE_HARD_PUNCH", Action, 48},
    {9, "PUNCH_ATTACK", Action, MOUSE_LEFT},
    {11, "CLIMB", Movement, 57},
    {12, "GRAPPLE", Movement, NONE},
    {14, "BLOCK", Action, 15},
    {17, "MOVE_FORWARD", Movement, 17},
    {18, "MOVE_BACKWARDS", Movement, 31},
    {19, "MOVE_LEFT_STRAFE", Movement, 30},
    {20, "MOVE_RIGHT_STRAFE", Movement, 32},
    {21, "PEEK_LEFT", Movement, 16},
    {22, "PEEK_RIGHT", Movement, 18},
    {24, "MENU", Action, 1},
    {25, "ZOOM_IN", Action, MOUSE_RIGHT},
    {26, "ZOOM_OUT", Action, MOUSE_LEFT},
    {28, "SNEAK", Movement, 45},
    {29, "RUN", Movement, 42},
    {31, "ZOOM_AIM", Action, MOUSE_RIGHT},
    {32, "LOCK_ON_TARGET", Action, MOUSE_RIGHT},
    {38, "LOOKAROUND_FP", Action, 20},
    {39, "INVENTORY_SLOT_1", Action, 2},
    {40, "INVENTORY_SLOT_2", Action, 3},
    {41, "INVENTORY_SLOT_3", Action, 4},
    {42, "INVENTORY_SLOT_4", Action, 5},
    {45, "CRAWL", Movement, 57},
    {46, "CROUCH", Movement, 47},
    {48, "TOGGLE_TORCH", Action, NONE},
    {53, "EXECUTE", Action, MOUSE_LEFT},
}};

constexpr std::array<ActionIndex, kMappableActionCount> IndicesOf(
    const std::array<CatalogueEntry, kMappableActionCount>& table) {
    std::array<ActionIndex, kMappableActionCount> indices{};
    for (int i = 0; i < kMappableActionCount; ++i) indices[i] = table[i].index;
    return indices;
}

constexpr bool IsAscendingAndInRange(const std::array<ActionIndex, kMappableActionCount>& indices) {
    for (int i = 0; i < kMappableActionCount; ++i) {
        if (!IsActionInRange(indices[i])) return false;
        if (i > 0 && indices[i - 1] >= indices[i]) return false;
    }
    return true;
}

static_assert(IsAscendingAndInRange(IndicesOf(kCatalogue)));

}  // namespace

const std::array<CatalogueEntry, kMappableActionCount> ActionCatalogue = kCatalogue;
const std::array<ActionIndex, kMappableActionCount> MappableActions = IndicesOf(kCatalogue);

bool IsMappable(ActionIndex index) { return FindCatalogueEntry(index) != nullptr; }

const char* ActionName(ActionIndex index) {
    const CatalogueEntry* entry = FindCatalogueEntry(index);
    return entry ? entry->name : "UNKNOWN_ACTION";
}

const CatalogueEntry* FindCatalogueEntry(ActionIndex index) {
    for (const CatalogueEntry& entry : ActionCatalogue) {
        if (entry.index == index) return &entry;
    }
    return nullptr;
}

}  // namespace dk
