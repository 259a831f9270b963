# Fails on a test whose name is not plain words: a parameterised test without
# a name generator shows up as its index ("/0") or, named after its
# parameter, as that parameter's bytes, which differ from run to run.
#   cmake -DCTEST=ctest -DBUILD_DIR=build -P ReadableTestNames.cmake
execute_process(COMMAND ${CTEST} -N WORKING_DIRECTORY ${BUILD_DIR}
    OUTPUT_VARIABLE listing RESULT_VARIABLE result)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "ctest -N failed: ${result}")
endif()
string(REPLACE ";" "\\;" listing "${listing}")
string(REPLACE "\n" ";" lines "${listing}")
set(unreadable "")
set(count 0)
foreach(line IN LISTS lines)
    if(NOT line MATCHES "^ *Test +#[0-9]+: (.*)$")
        continue()
    endif()
    set(name "${CMAKE_MATCH_1}")
    math(EXPR count "${count} + 1")
    # Words of ASCII letters, digits and underscores between the dots and
    # slashes, and a case name that is more than a number.
    if(NOT name MATCHES "^[A-Za-z0-9_]+([./][A-Za-z0-9_]+)*$" OR name MATCHES "/[0-9]+$")
        string(APPEND unreadable "\n  ${name}")
    endif()
endforeach()
if(count EQUAL 0)
    message(FATAL_ERROR "ctest -N listed no test")
endif()
if(unreadable)
    message(FATAL_ERROR "test names that are not plain words:${unreadable}")
endif()
message(STATUS "${count} test names, all plain words")
