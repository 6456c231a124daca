# tallyfold_add_test(<name> [DOCTEST] SOURCES <files...> LIBS <targets...> [TIMEOUT <seconds>] [LABELS <labels...>] [ARGS <arguments...>])
#
# Builds one QtTest program (doctest with DOCTEST) and registers it with
# CTest. Every test runs through tests/run-isolated, which gives it the
# offscreen platform, a private runtime folder and a throw-away home and
# config folder, so no test can see or touch the user's own settings, display
# or sound server.
#
# Every test carries one of three labels:
#   logic    no window: the rules, the solver, the store; seconds in all
#            (ctest -L logic)
#   window   windows and controls on the offscreen platform
#   desktop  real sessions: X11 with a window manager, Wayland, the
#            accessibility bus
# A folder sets its tests' label with TALLYFOLD_TEST_LABEL; LABELS overrides.
set(TALLYFOLD_TEST_LAUNCHER ${CMAKE_SOURCE_DIR}/tests/run-isolated)
# The faces the offscreen platform reads on Windows, where it has no system
# font list of its own: the host's Liberation fonts, which Wine reaches
# through its drive Z: (the tests' current drive may be another).
set(TALLYFOLD_TEST_FONT_DIR /usr/share/fonts/truetype/liberation CACHE PATH
    "Fonts for the offscreen platform in the Windows test runs")

# With DOCTEST the program is one of the parts that need no Qt, on doctest
# (a single header, Debian's doctest-dev), which builds with MinGW-w64 as
# well: in the Windows cross build CTest runs it under the toolchain's
# emulator, Wine, instead of tests/run-isolated.
find_path(TALLYFOLD_DOCTEST_DIR doctest.h PATHS /usr/include PATH_SUFFIXES doctest
    NO_CMAKE_FIND_ROOT_PATH REQUIRED)
add_library(tf_doctest INTERFACE)
# The folder of doctest.h alone: the cross build must not see the host's
# other headers.
target_include_directories(tf_doctest SYSTEM INTERFACE ${TALLYFOLD_DOCTEST_DIR})

function(tallyfold_add_test name)
    cmake_parse_arguments(ARG "DOCTEST" "TIMEOUT" "SOURCES;LIBS;LABELS;ARGS" ${ARGN})
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
    if(ARG_DOCTEST)
        target_link_libraries(${name} PRIVATE tf_doctest ${ARG_LIBS})
        set_target_properties(${name} PROPERTIES AUTOMOC OFF AUTOUIC OFF AUTORCC OFF)
    else()
        target_link_libraries(${name} PRIVATE Qt6::Test ${ARG_LIBS})
    endif()
    if(CMAKE_CROSSCOMPILING AND NOT ARG_DOCTEST AND TARGET Qt6::QOffscreenIntegrationPlugin)
        # Qt is linked statically there: the tests' platform goes in with them.
        qt_import_plugins(${name} INCLUDE Qt6::QOffscreenIntegrationPlugin)
    endif()
    tallyfold_add_test_run(${name} ${name} ${ARG_ARGS})
    set_tests_properties(${name} PROPERTIES TIMEOUT ${ARG_TIMEOUT} LABELS "${ARG_LABELS}")
endfunction()

# tallyfold_add_test_run(<name> <program> [arguments...])
#
# Registers one run of a test program under <name>. Natively it goes through
# tests/run-isolated. In the Windows cross build CTest starts the program
# under the emulator, Wine, which has no such script: the environment gives
# it the offscreen platform, the fonts the offscreen platform reads and the
# tests' English, and the tests' sandboxes keep the store to keys of their
# own in the Wine prefix's registry. Properties set on the test afterwards
# may replace ENVIRONMENT; these stay.
function(tallyfold_add_test_run name program)
    if(CMAKE_CROSSCOMPILING)
        add_test(NAME ${name} COMMAND ${program} ${ARGN})
        # Wine hands a program the host's QT_* variables only when they are
        # given as WINEQT_*. Without a console, QtTest would write its
        # results to the debugger alone: it is made to write them to stdout.
        set_property(TEST ${name} PROPERTY ENVIRONMENT_MODIFICATION
            WINEQT_QPA_PLATFORM=set:offscreen
            WINEQT_QPA_FONTDIR=set:Z:${TALLYFOLD_TEST_FONT_DIR}
            WINEQT_FORCE_STDERR_LOGGING=set:1
            WINEDEBUG=set:-all
            LC_ALL=set:C.UTF-8
            LANGUAGE=unset:
            DISPLAY=unset:
            WAYLAND_DISPLAY=unset:)
    else()
        add_test(NAME ${name} COMMAND ${TALLYFOLD_TEST_LAUNCHER} $<TARGET_FILE:${program}> ${ARGN})
    endif()
endfunction()
