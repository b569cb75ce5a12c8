include(GoogleTest)

function(vemtor_discover name)
    gtest_discover_tests(${name}
        DISCOVERY_MODE PRE_TEST
        PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen;LC_ALL=C;LANG=C")
endfunction()

# vemtor_add_test(NAME source...): one GoogleTest program over vemtor_gui and the test kit
# (windows, recorded messages), each test run in its own process on the offscreen platform.
function(vemtor_add_test name)
    add_executable(${name} ${ARGN})
    target_link_libraries(${name} PRIVATE vemtor_gui vemtor_test_kit)
    vemtor_discover(${name})
endfunction()

# vemtor_add_core_test(NAME source...): the same over vemtor_core alone, so a test of core
# code also proves that code links without Qt Gui or Widgets.
function(vemtor_add_core_test name)
    add_executable(${name} ${ARGN})
    target_link_libraries(${name} PRIVATE vemtor_core vemtor_core_test_main)
    vemtor_discover(${name})
endfunction()
