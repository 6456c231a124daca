# tallyfold_add_test(<name> SOURCES <files...> LIBS <targets...> [TIMEOUT <seconds>] [LABELS <labels...>])
#
# Builds one QtTest program and registers it with CTest. Every test runs through
# tests/run-isolated, which gives it the offscreen platform, a private runtime
# folder and a throw-away home and config folder, so no test can see or touch
# the user's own settings, display or sound server.
set(TALLYFOLD_TEST_LAUNCHER ${CMAKE_SOURCE_DIR}/tests/run-isolated)

function(tallyfold_add_test name)
    cmake_parse_arguments(ARG "" "TIMEOUT" "SOURCES;LIBS;LABELS" ${ARGN})
    if(NOT ARG_TIMEOUT)
        set(ARG_TIMEOUT 60)
    endif()
    add_executable(${name} ${ARG_SOURCES})
    target_link_libraries(${name} PRIVATE Qt6::Test ${ARG_LIBS})
    add_test(NAME ${name} COMMAND ${TALLYFOLD_TEST_LAUNCHER} $<TARGET_FILE:${name}>)
    set_tests_properties(${name} PROPERTIES TIMEOUT ${ARG_TIMEOUT})
    if(ARG_LABELS)
        set_tests_properties(${name} PROPERTIES LABELS "${ARG_LABELS}")
    endif()
endfunction()
