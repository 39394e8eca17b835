# Common compile settings for every Vorlane target.
function(vorlane_target_defaults target)
    target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Wshadow -Wnon-virtual-dtor
                                             -Woverloaded-virtual)
    # GCC 12 reports a false -Wrestrict inside std::string's operator+ at -O2 and above (GCC
    # bug 105651), which a packager's optimised build would otherwise show for ordinary code.
    if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND CMAKE_CXX_COMPILER_VERSION VERSION_GREATER_EQUAL 12
       AND CMAKE_CXX_COMPILER_VERSION VERSION_LESS 13)
        target_compile_options(${target} PRIVATE -Wno-restrict)
    endif()
    if(VORLANE_WARNINGS_AS_ERRORS)
        target_compile_options(${target} PRIVATE -Werror)
    endif()
endfunction()

include(GoogleTest)

# A GoogleTest executable registered with CTest; extra arguments are libraries to link. Its main
# (vorlane_test_main) gives every run a fresh private HOME and XDG folders.
function(vorlane_add_gtest name)
    cmake_parse_arguments(ARG "" "" "SOURCES;LIBRARIES;ENVIRONMENT;PROPERTIES" ${ARGN})
    add_executable(${name} ${ARG_SOURCES})
    vorlane_target_defaults(${name})
    target_link_libraries(${name} PRIVATE ${ARG_LIBRARIES} vorlane_test_main)
    target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR})
    gtest_discover_tests(${name} DISCOVERY_MODE PRE_TEST PROPERTIES ENVIRONMENT "${ARG_ENVIRONMENT}"
                         ${ARG_PROPERTIES})
endfunction()

# Qt code says what it means: Qt's signal/slot words as macros only, and no silent conversion of
# byte strings to QString (their encoding is always spelled out).
function(vorlane_qt_defaults target)
    vorlane_target_defaults(${target})
    target_compile_definitions(${target} PRIVATE QT_NO_KEYWORDS QT_NO_CAST_FROM_ASCII)
endfunction()
