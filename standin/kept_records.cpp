#include "kept_records.h"

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <vector>

#include "checks.h"
#include "game_bindings.h"
#include "game_frontend.h"
#include "game_player.h"
#include "game_records.h"

namespace standin {
namespace {

struct FieldUse {
    uint32_t offset;
    uint32_t width;
    bool changes;  // written after the record is kept: by the plug-in, or by the game as it runs
};

struct RecordLayout {
    const char* name;
    uint32_t size;
    std::vector<FieldUse> fields;  // every byte outside these is unused
};

// Indexed by RecordKind. The plug-in may write page names and flags, and an
// item's name, selectable flag and value; nothing of the player's records.
const RecordLayout kLayouts[] = {
    {"page", kPageBytes,
     {{at::kPageItems, 4 * kRows * kColumns, true}, {at::kPageParentName, 8, true}, {at::kPageName, 8, true},
      {own::kPageCompleteCalls, 4, true}, {own::kPageConstructed, 4, false}, {at::kPageFlags, 3, true}}},
    {"item", own::kItemSize,
     {{own::kItemMagic, 4, false}, {at::kItemName, 8, true}, {own::kItemLabel, 8, false},
      {own::kItemRed, 16, false}, {own::kItemPosition, 8, false}, {own::kItemScale, 8, false},
      {at::kItemSelected, 1, true}, {at::kItemSelectable, 1, true}, {at::kItemKind, 4, false},
      {at::kItemValue, 4, true}, {own::kItemPage, 4, true}}},
    {"player", own::kPlayerSize,
     {{at::kPlayerInventory, 4, false}, {own::kPlayerWeapons, 64, false}, {own::kPlayerMinusOneWeapon, 4, false}}},
    {"inventory", own::kInventorySize,
     {{at::kInventorySlotWords[0], 4, false}, {at::kInventorySlotWords[1], 4, false},
      {at::kInventorySlotWords[2], 4, false}, {at::kInventorySlotWords[3], 4, false},
      {at::kInventorySlotWords[4], 4, false}}},
    {"weapon", own::kWeaponSize,
     {{at::kWeaponAttachment, 4, false}, {own::kWeaponLit, 4, true}, {own::kWeaponOnCalls, 4, true},
      {own::kWeaponOffCalls, 4, true}, {own::kWeaponFaulty, 4, false}}},
    {"attachment", own::kAttachmentSize, {{at::kAttachmentTorchWord, 4, false}}},
};

struct Kept {
    uint8_t* record;
    RecordKind kind;
    std::vector<uint8_t> copy;
};
std::vector<Kept> kept;

const RecordLayout& LayoutOf(RecordKind kind) { return kLayouts[static_cast<size_t>(kind)]; }

const FieldUse* FieldAt(const RecordLayout& layout, uint32_t offset) {
    for (const FieldUse& f : layout.fields)
        if (offset >= f.offset && offset < f.offset + f.width) return &f;
    return nullptr;
}

// Never 0x00 or 0xFF, the bytes a stray write of a small number leaves.
uint8_t Filler(uint32_t offset) { return static_cast<uint8_t>(0xA0 | (offset & 0x1f)); }

std::string Describe(const Kept& k) {
    if (k.kind == RecordKind::Item) {
        GameText label;  // as kept: the record's own may be what went wrong
        std::memcpy(&label, k.copy.data() + own::kItemLabel, sizeof label);
        return "item \"" + TextOf(label) + "\"";
    }
    if (k.kind == RecordKind::Page) return "page \"" + PageName(k.record) + "\"";
    return LayoutOf(k.kind).name;
}

// The first byte that differs from the copy outside the changing fields, described; empty if none.
std::string FirstStrayByte(const Kept& k) {
    const RecordLayout& layout = LayoutOf(k.kind);
    for (uint32_t i = 0; i < layout.size; ++i) {
        const FieldUse* field = FieldAt(layout, i);
        if (k.record[i] == k.copy[i] || (field && field->changes)) continue;
        char text[80];
        std::snprintf(text, sizeof text, " byte +0x%x was 0x%02x, is 0x%02x", static_cast<unsigned>(i), k.copy[i],
                      k.record[i]);
        return Describe(k) + text;
    }
    return {};
}

void KeepIfReadable(void* record, RecordKind kind) {
    if (record && record != UnmappedAddress()) KeepRecord(record, kind);
}

}  // namespace

void KeepRecord(void* record, RecordKind kind) {
    const RecordLayout& layout = LayoutOf(kind);
    uint8_t* bytes = static_cast<uint8_t*>(record);
    for (uint32_t i = 0; i < layout.size; ++i)
        if (!FieldAt(layout, i)) bytes[i] = Filler(i);
    std::vector<uint8_t> copy(bytes, bytes + layout.size);
    for (Kept& k : kept) {
        if (k.record == bytes) {
            k = {bytes, kind, std::move(copy)};
            return;
        }
    }
    kept.push_back({bytes, kind, std::move(copy)});
}

void KeepPlayerRecords(void* player) {
    KeepRecord(player, RecordKind::Player);
    KeepIfReadable(InventoryOf(player), RecordKind::Inventory);
    for (int slot = 0; slot <= 16; ++slot) {
        uint32_t offset = slot < 16 ? own::kPlayerWeapons + 4 * slot : own::kPlayerMinusOneWeapon;
        void* weapon = Field<void*>(player, offset);
        if (!weapon) continue;
        KeepRecord(weapon, RecordKind::Weapon);
        KeepIfReadable(Field<void*>(weapon, at::kWeaponAttachment), RecordKind::Attachment);
    }
}

bool CheckGameRecords(const std::string& when) {
    std::string where;
    for (const Kept& k : kept)
        if (where.empty()) where = FirstStrayByte(k);
    if (where.empty()) TableOutsideMappableUntouched(&where);
    std::string detail = where.empty() ? std::to_string(kept.size()) + " records and the action table" : where;
    return Check(where.empty(), when + ": the game's records changed only where the plug-in may write (" +
                                    detail + ")");
}

}  // namespace standin
