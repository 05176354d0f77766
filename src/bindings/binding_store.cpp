#include "bindings/binding_store.h"

#include "host/host_interface.h"

namespace dk {

std::map<ActionIndex, KeyCode> DefaultBindings;
BindingOverride BindingOverrides[kMaxActionIndex + 1] = {};

void FillDefaultBindings() {
    for (const CatalogueEntry& entry : ActionCatalogue) DefaultBindings[entry.index] = entry.defaultCode;
}

// The game keeps one byte per action; the other three bytes of its slot are
// not ours. A key above 127 reads back as itself, so it keeps its name.
KeyCode ReadHostBinding(ActionIndex index) {
    return KeyCodeOfByte(Host().bindingSlotByte(index));
}

void WriteHostBinding(ActionIndex index, KeyCode code) {
    Host().setBindingSlotByte(index, static_cast<uint8_t>(code & 0xFF));
}

void SetOverride(ActionIndex index, KeyCode code) {
    BindingOverrides[index] = {true, code};
}

void ApplyOverrides() {
    for (ActionIndex index : MappableActions) {
        if (IsActionInRange(index) && BindingOverrides[index].overrideSet) {
            WriteHostBinding(index, BindingOverrides[index].overrideCode);
        }
    }
}

void SeedOverridesFromHost() {
    for (ActionIndex index : MappableActions) {
        if (IsActionInRange(index) && !BindingOverrides[index].overrideSet) {
            SetOverride(index, ReadHostBinding(index));
        }
    }
}

bool SetBinding(ActionIndex index, KeyCode code) {
    if (!IsActionInRange(index)) return false;
    WriteHostBinding(index, code);
    if (!IsMappable(index)) return false;
    SetOverride(index, code);
    return true;
}

void ResetToDefaults() {
    for (const auto& [index, code] : DefaultBindings) {
        if (!IsActionInRange(index)) continue;
        WriteHostBinding(index, code);
        if (IsMappable(index)) SetOverride(index, code);
    }
}

bool FindDefaultBinding(ActionIndex index, KeyCode& code) {
    auto found = DefaultBindings.find(index);
    if (found == DefaultBindings.end()) return false;
    code = found->second;
    return true;
}

void ClearBindingStore() {
    DefaultBindings.clear();
    for (BindingOverride& entry : BindingOverrides) entry = {false, 0};
}

}  // namespace dk
