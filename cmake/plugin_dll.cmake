# The plug-in itself, DuskvaleKeys.asi, and the Windows-side test program.
# Included by the top CMakeLists when building for Windows.

file(GLOB dk_x86_sources CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/src/host/x86/*.cpp)
file(GLOB dk_win32_sources CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/src/platform/win32/*.cpp)
# The module's entry points: the one place that puts every layer together.
file(GLOB dk_entry_sources CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/src/entry/*.cpp)

# The runtimes go inside the module: a player's machine has nothing but the
# system DLLs.
set(dk_static_runtime -static -static-libgcc -static-libstdc++)

add_library(DuskvaleKeys SHARED ${dk_entry_sources} ${dk_x86_sources} ${dk_win32_sources})
target_compile_definitions(DuskvaleKeys PRIVATE WIN32_LEAN_AND_MEAN NOMINMAX)
target_link_libraries(DuskvaleKeys PRIVATE dk_portable)
target_link_options(DuskvaleKeys PRIVATE ${dk_static_runtime} $<$<CONFIG:Release>:-s>)
set_target_properties(DuskvaleKeys PROPERTIES
    PREFIX ""
    SUFFIX ".asi"
    RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}
    ARCHIVE_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/lib)

# Runs under Wine from the native test build (cmake/wine_tests.cmake). It
# compiles the Windows-side sources itself, entry included, with a worker of
# its own in place of the portable one.
file(GLOB dk_host_x86_test_sources CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/host_x86/*.cpp)
add_executable(host_x86_tests ${dk_host_x86_test_sources} ${dk_entry_sources} ${dk_x86_sources} ${dk_win32_sources})
target_compile_definitions(host_x86_tests PRIVATE WIN32_LEAN_AND_MEAN NOMINMAX)
target_include_directories(host_x86_tests PRIVATE ${CMAKE_SOURCE_DIR}/tests)
target_link_libraries(host_x86_tests PRIVATE dk_core dk_keys dk_host dk_platform)
target_link_options(host_x86_tests PRIVATE ${dk_static_runtime})
set_target_properties(host_x86_tests PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR})

