#pragma once
// Writing a whole file so that a failure leaves nothing half written behind.
#include <string>
#include <string_view>

namespace dk::check {

// Writes the bytes beside `path` under a temporary name, then puts that file
// in the place of `path`. On failure the temporary file is gone, `path` is as
// it was, and `error` says why.
bool WriteWholeFile(const std::string& path, std::string_view bytes, std::string& error);

}  // namespace dk::check
