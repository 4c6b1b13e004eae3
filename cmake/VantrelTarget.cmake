# Per-target settings shared by every Vantrel target, and the one place tests are registered.

# Warnings (and sanitizers when asked for) for one target.
function(vantrel_target_defaults target)
    target_compile_options(${target} PRIVATE -Wall -Wextra)
    if(VANTREL_SANITIZE)
        target_compile_options(${target} PRIVATE -fsanitize=address,undefined -fno-omit-frame-pointer
                                                 -fno-sanitize-recover=undefined)
        target_link_options(${target} PRIVATE -fsanitize=address,undefined)
    endif()
endfunction()

# A library of one folder: vantrel_library(NAME SOURCES ... [PUBLIC_LIBS ...] [PRIVATE_LIBS ...])
function(vantrel_library name)
    cmake_parse_arguments(ARG "" "" "SOURCES;PUBLIC_LIBS;PRIVATE_LIBS" ${ARGN})
    add_library(${name} STATIC ${ARG_SOURCES})
    target_include_directories(${name} PUBLIC ${CMAKE_CURRENT_SOURCE_DIR}/..)
    target_link_libraries(${name} PUBLIC ${ARG_PUBLIC_LIBS} PRIVATE ${ARG_PRIVATE_LIBS})
    vantrel_target_defaults(${name})
endfunction()

# Every test is registered here, with CTest:
#   vantrel_add_test(NAME SOURCES ... LIBS ... [WIDGETS])  a QtTest executable
#   vantrel_add_test(NAME SCRIPT file.py)                   a check in Python
# Widget tests run on the offscreen platform so they need no display.
function(vantrel_add_test name)
    cmake_parse_arguments(ARG "WIDGETS" "SCRIPT" "SOURCES;LIBS" ${ARGN})
    if(ARG_SCRIPT)
        find_package(Python3 REQUIRED COMPONENTS Interpreter)
        add_test(NAME ${name} COMMAND Python3::Interpreter ${ARG_SCRIPT} ${PROJECT_SOURCE_DIR})
        return()
    endif()
    add_executable(${name} ${ARG_SOURCES})
    target_link_libraries(${name} PRIVATE Qt6::Test ${ARG_LIBS})
    target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/tests)
    target_compile_definitions(${name} PRIVATE
        VANTREL_TEST_DATA="${PROJECT_SOURCE_DIR}/tests/data"
        VANTREL_BIN_DIR="${CMAKE_RUNTIME_OUTPUT_DIRECTORY}")
    vantrel_target_defaults(${name})
    add_test(NAME ${name} COMMAND ${name})
    set(env "LC_ALL=C.UTF-8")
    if(ARG_WIDGETS)
        list(APPEND env "QT_QPA_PLATFORM=offscreen")
    endif()
    if(VANTREL_SANITIZE)
        list(APPEND env "ASAN_OPTIONS=detect_leaks=1" "UBSAN_OPTIONS=print_stacktrace=1")
    endif()
    set_tests_properties(${name} PROPERTIES ENVIRONMENT "${env}" TIMEOUT 120)
endfunction()
