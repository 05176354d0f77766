#pragma once
// A small harness for the Windows-side test program; the native tests' test
// framework is not built for this toolchain.

namespace dk::test {

void Register(const char* name, void (*run)());
void Check(bool ok, const char* expression, const char* file, int line);

}  // namespace dk::test

#define DK_TEST(name)                                                                           \
    static void name();                                                                         \
    [[maybe_unused]] static const bool name##Registered = (::dk::test::Register(#name, name), true); \
    static void name()

#define CHECK(expression) ::dk::test::Check(static_cast<bool>(expression), #expression, __FILE__, __LINE__)
