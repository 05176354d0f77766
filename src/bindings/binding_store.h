#pragma once
#include <map>

#include "bindings/action_catalogue.h"

namespace dk {

struct BindingOverride {
    bool overrideSet;
    KeyCode overrideCode;
};

extern std::map<ActionIndex, KeyCode> DefaultBindings;
extern BindingOverride BindingOverrides[kMaxActionIndex + 1];

void FillDefaultBindings();
// Callers check the 0..59 bound before these three.
KeyCode ReadHostBinding(ActionIndex index);
void WriteHostBinding(ActionIndex index, KeyCode code);
void SetOverride(ActionIndex index, KeyCode code);

void ApplyOverrides();
void SeedOverridesFromHost();
// True when an override was recorded: the caller then saves the binding file.
bool SetBinding(ActionIndex index, KeyCode code);
void ResetToDefaults();
bool FindDefaultBinding(ActionIndex index, KeyCode& code);

// Back to the state at load: no defaults, no overrides. For tests.
void ClearBindingStore();

}  // namespace dk
