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

# tallyfold_add_doctest(<name> SOURCES <files...> LIBS <targets...> LABELS <labels...>)
#
# One test program of the parts that need no Qt, on doctest (a single header,
# Debian's doctest-dev), which builds with MinGW-w64 as well. Natively it runs
# through tests/run-isolated like every other test; in the Windows cross
# build CTest runs it under the toolchain's emulator, Wine.
find_path(TALLYFOLD_DOCTEST_DIR doctest.h PATHS /usr/include PATH_SUFFIXES doctest
    NO_CMAKE_FIND_ROOT_PATH REQUIRED)
add_library(tf_doctest INTERFACE)
# The folder of doctest.h alone: the cross build must not see the host's
# other headers.
target_include_directories(tf_doctest SYSTEM INTERFACE ${TALLYFOLD_DOCTEST_DIR})

function(tallyfold_add_doctest name)
    cmake_parse_arguments(ARG "" "TIMEOUT" "SOURCES;LIBS;LABELS" ${ARGN})
    if(NOT ARG_TIMEOUT)
        set(ARG_TIMEOUT 60)
    endif()
    if(NOT ARG_LABELS)
        message(FATAL_ERROR "test ${name} has no label (logic, window or desktop)")
    endif()
    add_executable(${name} ${ARG_SOURCES})
    target_link_libraries(${name} PRIVATE tf_doctest ${ARG_LIBS})
    set_target_properties(${name} PROPERTIES AUTOMOC OFF AUTOUIC OFF AUTORCC OFF)
    if(CMAKE_CROSSCOMPILING)
        add_test(NAME ${name} COMMAND ${name})
    else()
        add_test(NAME ${name} COMMAND ${TALLYFOLD_TEST_LAUNCHER} $<TARGET_FILE:${name}>)
    endif()
    set_tests_properties(${name} PROPERTIES TIMEOUT ${ARG_TIMEOUT} LABELS "${ARG_LABELS}")
endfunction()
