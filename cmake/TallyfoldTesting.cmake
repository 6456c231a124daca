# tallyfold_add_test(<name> SOURCES <files...> LIBS <targets...> [TIMEOUT <seconds>] [LABELS <labels...>])
#
# Builds one QtTest program and registers it with CTest. Every test runs through
# tests/run-isolated, which gives it the offscreen platform, a private runtime
# folder and a throw-away home and config folder, so no test can see or touch
# the user's own settings, display or sound server.
#
# Every test carries one of three labels:
#   logic    no window: the rules, the solver, the store; seconds in all
#            (ctest -L logic)
#   window   windows and controls on the offscreen platform
#   desktop  real sessions: X11 with a window manager, Wayland, the
#            accessibility bus
# A folder sets its tests' label with TALLYFOLD_TEST_LABEL; LABELS overrides.
set(TALLYFOLD_TEST_LAUNCHER ${CMAKE_SOURCE_DIR}/tests/run-isolated)

function(tallyfold_add_test name)
    cmake_parse_arguments(ARG "" "TIMEOUT" "SOURCES;LIBS;LABELS" ${ARGN})
    if(NOT ARG_TIMEOUT)
        set(ARG_TIMEOUT 60)
    endif()
    if(NOT ARG_LABELS)
        set(ARG_LABELS ${TALLYFOLD_TEST_LABEL})
    endif()
    if(NOT ARG_LABELS)
        message(FATAL_ERROR "test ${name} has no label (logic, window or desktop)")
    endif()
    add_executable(${name} ${ARG_SOURCES})
    target_link_libraries(${name} PRIVATE Qt6::Test ${ARG_LIBS})
    add_test(NAME ${name} COMMAND ${TALLYFOLD_TEST_LAUNCHER} $<TARGET_FILE:${name}>)
    set_tests_properties(${name} PROPERTIES TIMEOUT ${ARG_TIMEOUT} LABELS "${ARG_LABELS}")
endfunction()
