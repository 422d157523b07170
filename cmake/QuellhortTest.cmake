# quell_add_test(NAME <name> SOURCES <files...> LIBS <targets...> [OWN_MAIN] [TIMEOUT s])
# One GoogleTest executable run by CTest offscreen (on a 1920 x 1080 screen), in German, with a
# deadline. OWN_MAIN: the sources bring main() (for tests that need an application object).
function(quell_add_test)
    cmake_parse_arguments(ARG "OWN_MAIN" "NAME;TIMEOUT" "SOURCES;LIBS" ${ARGN})
    if(NOT ARG_TIMEOUT)
        set(ARG_TIMEOUT 120)
    endif()
    add_executable(${ARG_NAME} ${ARG_SOURCES})
    target_link_libraries(${ARG_NAME} PRIVATE ${ARG_LIBS} GTest::gtest GTest::gmock)
    if(NOT ARG_OWN_MAIN)
        target_link_libraries(${ARG_NAME} PRIVATE GTest::gtest_main)
    endif()
    add_test(NAME ${ARG_NAME} COMMAND ${ARG_NAME})
    set_tests_properties(${ARG_NAME} PROPERTIES
        TIMEOUT ${ARG_TIMEOUT}
        ENVIRONMENT "QT_QPA_PLATFORM=offscreen:configfile=${CMAKE_SOURCE_DIR}/cmake/offscreen-screen.json;LANG=de_DE.UTF-8;LC_ALL=C.UTF-8;QH_DIST_DIR=${QH_DIST_DIR};LSAN_OPTIONS=suppressions=${CMAKE_SOURCE_DIR}/cmake/lsan.supp")
endfunction()
