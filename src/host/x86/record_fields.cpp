// The game's record fields and fixed data, each at its offset.
#include "host/x86/host_addresses.h"
#include "host/x86/record_offsets.h"
#include "host/x86/x86_host.h"

namespace dk::x86 {

namespace {

void SetPageName(FrontendPage* page, TextRef name) { Field<TextRef>(page, kPageName) = name; }

void SetParentName(FrontendPage* page, TextRef name) { Field<TextRef>(page, kPageParentName) = name; }

void ClearPageFlags(FrontendPage* page) {
    for (uintptr_t flag = 0; flag < kPageFlagCount; ++flag) Field<uint8_t>(page, kPageFlags + flag) = 0;
}

// Outside the grid would be some other field of the page: no item there.
MenuItem* PageItem(FrontendPage* page, int row, int column) {
    if (row < 0 || row >= kPageRows || column < 0 || column >= kPageColumns) return nullptr;
    return Field<MenuItem*>(page, kPageItems + (row * kPageColumns + column) * sizeof(MenuItem*));
}

TextRef ItemName(MenuItem* item) { return Field<TextRef>(item, kItemName); }

void SetItemName(MenuItem* item, TextRef name) { Field<TextRef>(item, kItemName) = name; }

bool ItemSelected(MenuItem* item) { return Field<uint8_t>(item, kItemSelected) != 0; }

void SetItemSelectable(MenuItem* item, uint8_t selectable) { Field<uint8_t>(item, kItemSelectable) = selectable; }

int32_t ItemKind(MenuItem* item) { return Field<int32_t>(item, kItemKind); }

int32_t ItemValue(MenuItem* item) { return Field<int32_t>(item, kItemValue); }

void SetItemValue(MenuItem* item, int32_t value) { Field<int32_t>(item, kItemValue) = value; }

PlayerRecord* PlayerPointer() { return *reinterpret_cast<PlayerRecord* volatile*>(kHostPlayerPointer); }

// Past the table lies other game data: an out-of-range slot reads as 0 and
// is never written.
volatile uint8_t* BindingSlot(int32_t slot) {
    if (slot < 0 || slot >= kHostBindingSlotCount) return nullptr;
    return reinterpret_cast<volatile uint8_t*>(kHostBindingTable + slot * kHostBindingSlotStride);
}

uint8_t BindingSlotByte(int32_t slot) {
    volatile uint8_t* byte = BindingSlot(slot);
    return byte ? *byte : 0;
}

void SetBindingSlotByte(int32_t slot, uint8_t value) {
    if (volatile uint8_t* byte = BindingSlot(slot)) *byte = value;
}

}  // namespace

void FillRecordFields(HostInterface& host) {
    host.setPageName = SetPageName;
    host.setParentName = SetParentName;
    host.clearPageFlags = ClearPageFlags;
    host.pageItem = PageItem;
    host.itemName = ItemName;
    host.setItemName = SetItemName;
    host.itemSelected = ItemSelected;
    host.setItemSelectable = SetItemSelectable;
    host.itemKind = ItemKind;
    host.itemValue = ItemValue;
    host.setItemValue = SetItemValue;
    host.playerPointer = PlayerPointer;
    host.bindingSlotByte = BindingSlotByte;
    host.setBindingSlotByte = SetBindingSlotByte;
}

}  // namespace dk::x86
