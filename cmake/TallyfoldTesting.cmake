# tallyfold_add_test(<name> [DOCTEST] SOURCES <files...> LIBS <targets...> [TIMEOUT <seconds>] [LABELS <labels...>])
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
    cmake_parse_arguments(ARG "DOCTEST" "TIMEOUT" "SOURCES;LIBS;LABELS" ${ARGN})
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
    if(CMAKE_CROSSCOMPILING)
        add_test(NAME ${name} COMMAND ${name})
    else()
        add_test(NAME ${name} COMMAND ${TALLYFOLD_TEST_LAUNCHER} $<TARGET_FILE:${name}>)
    endif()
    set_tests_properties(${name} PROPERTIES TIMEOUT ${ARG_TIMEOUT} LABELS "${ARG_LABELS}")
endfunction()
