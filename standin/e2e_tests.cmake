# End-to-end tests: the Windows stand-in host drives the real plug-in under Wine.
# Needs the win32 build tree (DK_WIN32_BUILD_DIR) holding standin.exe and the plug-in.
set(DK_WIN32_BUILD_DIR "" CACHE PATH "Build tree of the win32 preset, for the tests under Wine")

set(DK_E2E_SCENARIOS
    first_start controls_links rebind_keys key_names reset second_launch bad_lines
    torch_toggle torch_faults protect_fails unknown_build second_init shift_capture capture_held
    inventory_faults manager_late loader_lock load_only freed_by_loader
    live_edit edit_then_capture unicode_folder long_path
    named_keys named_keys_restart key_name_threads
    keyboard_layouts other_windows save_refused oversized_file log_held)

if(DK_WIN32_BUILD_DIR AND DK_WINE_RUNNER)
    foreach(scenario IN LISTS DK_E2E_SCENARIOS)
        add_test(NAME e2e_${scenario}
            COMMAND ${DK_WINE_RUNNER} ${DK_WIN32_BUILD_DIR}/standin/standin.exe
                    scenario ${scenario} ${DK_WIN32_BUILD_DIR}/DuskvaleKeys.asi)
        # WINEPREFIX comes from the caller's environment. Wine may end a crashed
        # program with exit code 0, so the verdict is the run's own closing line.
        set_tests_properties(e2e_${scenario} PROPERTIES
            ENVIRONMENT "${DK_WINE_ENVIRONMENT}"
            PASS_REGULAR_EXPRESSION "PASS: scenario ${scenario} \\(0 failures\\)"
            FAIL_REGULAR_EXPRESSION "FAIL:"
            TIMEOUT 180
            LABELS e2e)
    endforeach()
endif()
