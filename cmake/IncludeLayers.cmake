# Run by CTest as cmake -P: fails when a file includes a header of a folder above its own.
# The folders are layers, the highest first; a file includes only its own folder and the
# layers below. Folders of one layer include none of each other: the main window opens
# every other window, and those windows meet only in the data files. The tests, the
# benchmarks and the fuzzer may include anything in src; they share only through the kit.
#   ROOT   the checkout
cmake_minimum_required(VERSION 3.25)

# "tests/*" is every folder of tests that no other layer names.
set(layers
    "tests/* bench fuzz"
    "tests/kit"
    "src/app"
    "src/mainwindow"
    "src/registration src/scorecard src/analysis src/maintenance"
    "src/platform"
    "src/store")
# Where an include that is not in the including file's folder is looked for.
set(include_roots "${ROOT}/src" "${ROOT}/tests")

# The layer of FOLDER (relative to ROOT), counted from the top; -1 when no layer names it.
function(layer_of folder result)
    set(found -1)
    set(index 0)
    foreach(layer IN LISTS layers)
        string(REPLACE " " ";" members "${layer}")
        foreach(member IN LISTS members)
            if(member STREQUAL folder)
                set(${result} ${index} PARENT_SCOPE)
                return()
            endif()
            if(member MATCHES "^(.*)/\\*$")
                if(folder MATCHES "^${CMAKE_MATCH_1}/[^/]+$")
                    set(found ${index})
                endif()
            endif()
        endforeach()
        math(EXPR index "${index} + 1")
    endforeach()
    set(${result} ${found} PARENT_SCOPE)
endfunction()

file(GLOB_RECURSE files LIST_DIRECTORIES false
     "${ROOT}/src/*.h" "${ROOT}/src/*.cpp" "${ROOT}/tests/*.h" "${ROOT}/tests/*.cpp"
     "${ROOT}/bench/*.h" "${ROOT}/bench/*.cpp" "${ROOT}/fuzz/*.h" "${ROOT}/fuzz/*.cpp")
if(NOT files)
    message(FATAL_ERROR "No source found under ${ROOT}.")
endif()

set(faults "")
foreach(file IN LISTS files)
    cmake_path(GET file PARENT_PATH dir)
    cmake_path(RELATIVE_PATH dir BASE_DIRECTORY "${ROOT}" OUTPUT_VARIABLE folder)
    cmake_path(RELATIVE_PATH file BASE_DIRECTORY "${ROOT}" OUTPUT_VARIABLE shown)
    layer_of("${folder}" own)
    if(own EQUAL -1)
        list(APPEND faults "${folder} is in no layer (${shown})")
        continue()
    endif()
    file(STRINGS "${file}" lines REGEX "^[ \t]*#[ \t]*include")
    foreach(line IN LISTS lines)
        if(NOT line MATCHES "#[ \t]*include[ \t]*[<\"]([^>\"]+)[>\"]")
            continue()
        endif()
        set(header "${CMAKE_MATCH_1}")
        # Only our own files count: a header found nowhere in the checkout is a library's.
        set(found "")
        foreach(base IN ITEMS "${dir}" ${include_roots})
            if(EXISTS "${base}/${header}" AND NOT IS_DIRECTORY "${base}/${header}")
                cmake_path(ABSOLUTE_PATH header BASE_DIRECTORY "${base}" NORMALIZE OUTPUT_VARIABLE found)
                break()
            endif()
        endforeach()
        if(NOT found)
            continue()
        endif()
        cmake_path(GET found PARENT_PATH found_dir)
        cmake_path(RELATIVE_PATH found_dir BASE_DIRECTORY "${ROOT}" OUTPUT_VARIABLE found_folder)
        if(found_folder STREQUAL folder)
            continue()
        endif()
        layer_of("${found_folder}" theirs)
        # A folder in no layer is told by its own files.
        if(theirs EQUAL -1)
            continue()
        elseif(theirs LESS own)
            list(APPEND faults "${shown} includes \"${header}\" of ${found_folder}, a higher layer than ${folder}")
        elseif(theirs EQUAL own)
            list(APPEND faults "${shown} includes \"${header}\" of ${found_folder}, beside ${folder} in its layer")
        endif()
    endforeach()
endforeach()

if(faults)
    list(JOIN faults "\n  " shown)
    message(FATAL_ERROR "A file includes only its own folder and the layers below it (cmake/IncludeLayers.cmake), but:\n  ${shown}")
endif()
list(LENGTH files count)
message(STATUS "${count} files include only their own folder and the layers below it.")
