#pragma once
#include <string>

namespace dk {

// Appends the fixed reference block of the binding file: which index is which
// action, and which token is which key. Nothing in it depends on the bindings.
void WriteReferenceHeader(std::string& out);

}  // namespace dk
