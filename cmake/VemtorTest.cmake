# Registers a test program with CTest: all its tests in one process, on the offscreen
# platform and the C locale. A test named after OWN_PROCESS (as Suite.Name) runs alone in
# a process of its own, and the shared process skips it.
function(vemtor_register name)
    cmake_parse_arguments(PARSE_ARGV 1 arg "" "" "OWN_PROCESS")
    set(tests ${name})
    set(filter "")
    foreach(test IN LISTS arg_OWN_PROCESS)
        add_test(NAME ${name}.${test} COMMAND ${name} --gtest_filter=${test})
        list(APPEND tests ${name}.${test})
        string(APPEND filter ":${test}")
    endforeach()
    if(filter)
        string(SUBSTRING "${filter}" 1 -1 filter)
        add_test(NAME ${name} COMMAND ${name} --gtest_filter=-${filter})
    else()
        add_test(NAME ${name} COMMAND ${name})
    endif()
    set_tests_properties(${tests} PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen;LC_ALL=C;LANG=C")
endfunction()

# vemtor_add_test(NAME source... [OWN_PROCESS Suite.Name...]): one GoogleTest program over
# vemtor_gui and the test kit (windows, recorded messages).
function(vemtor_add_test name)
    cmake_parse_arguments(PARSE_ARGV 1 arg "" "" "OWN_PROCESS")
    add_executable(${name} ${arg_UNPARSED_ARGUMENTS})
    target_link_libraries(${name} PRIVATE vemtor_gui vemtor_test_kit)
    vemtor_register(${name} OWN_PROCESS ${arg_OWN_PROCESS})
endfunction()

# vemtor_add_core_test(NAME source...): the same over vemtor_core alone, so a test of core
# code also proves that code links without Qt Gui or Widgets.
function(vemtor_add_core_test name)
    add_executable(${name} ${ARGN})
    target_link_libraries(${name} PRIVATE vemtor_core vemtor_core_test_main)
    vemtor_register(${name})
endfunction()
