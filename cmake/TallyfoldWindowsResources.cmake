# A Windows program's own resources: its version information (the project's
# version, the product and company names, the copyright, a description) and
# its application manifest (the Windows versions it knows, per-monitor DPI
# awareness, common controls 6, UTF-8 as its code page). In a Release build
# it is also stripped: in a statically linked program the symbol table is
# half the file. With ICON, the program carries that .ico as its icon.
# Does nothing elsewhere than on Windows.
#   tallyfold_windows_resources(<target> <description> [ICON <file.ico>])
function(tallyfold_windows_resources target description)
    if(NOT WIN32)
        return()
    endif()
    cmake_parse_arguments(PARSE_ARGV 2 arg "" "ICON" "")
    set(TALLYFOLD_RC_ICON "")
    if(arg_ICON)
        # The first icon group in the file is the one Explorer shows.
        set(TALLYFOLD_RC_ICON "IDI_TALLYFOLD ICON \"${arg_ICON}\"")
    endif()
    set(TALLYFOLD_RC_NAME ${target})
    set(TALLYFOLD_RC_DESCRIPTION "${description}")
    set(TALLYFOLD_RC_MANIFEST ${CMAKE_CURRENT_BINARY_DIR}/${target}.manifest)
    configure_file(${PROJECT_SOURCE_DIR}/packaging/windows/program.manifest.in
        ${TALLYFOLD_RC_MANIFEST} @ONLY)
    configure_file(${PROJECT_SOURCE_DIR}/packaging/windows/program.rc.in
        ${CMAKE_CURRENT_BINARY_DIR}/${target}.rc @ONLY)
    target_sources(${target} PRIVATE ${CMAKE_CURRENT_BINARY_DIR}/${target}.rc)
    set_property(SOURCE ${CMAKE_CURRENT_BINARY_DIR}/${target}.rc APPEND PROPERTY
        OBJECT_DEPENDS ${TALLYFOLD_RC_MANIFEST} ${arg_ICON})
    if(NOT MSVC)
        target_link_options(${target} PRIVATE $<$<CONFIG:Release,MinSizeRel>:-s>)
    endif()
endfunction()
