include(GoogleTest)

# vemtor_add_test(NAME source...): one GoogleTest program over vemtor_lib and the
# shared test kit, each test run in its own process on the offscreen platform.
function(vemtor_add_test name)
    add_executable(${name} ${ARGN})
    target_link_libraries(${name} PRIVATE vemtor_lib vemtor_test_kit)
    gtest_discover_tests(${name}
        DISCOVERY_MODE PRE_TEST
        PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen;LC_ALL=C;LANG=C")
endfunction()
