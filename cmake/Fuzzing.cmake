# Fuzz targets. With TRANSCALC_FUZZ (a clang build) each becomes a libFuzzer
# program fuzz/fuzz_<name> under AddressSanitizer and UndefinedBehaviorSanitizer,
# built by the target `fuzzers`; otherwise its seed corpus is replayed through
# the same entry point as an ordinary test.
#
#   transcalc_add_fuzzer(<name> SOURCES <files> LIBRARIES <libs> CORPUS <dir>)

if(TRANSCALC_FUZZ)
    if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
        message(FATAL_ERROR "TRANSCALC_FUZZ needs clang: -DCMAKE_CXX_COMPILER=clang++")
    endif()
    add_compile_options(-fsanitize=fuzzer-no-link,address,undefined
                        -fno-sanitize-recover=undefined -fno-omit-frame-pointer)
    add_link_options(-fsanitize=address,undefined)
    # Timing tests measure the product, not the sanitizers' bookkeeping.
    add_compile_definitions(TRANSCALC_SANITIZED)
    add_custom_target(fuzzers)
endif()

function(transcalc_add_fuzzer name)
    cmake_parse_arguments(FUZZ "" "CORPUS" "SOURCES;LIBRARIES" ${ARGN})
    if(TRANSCALC_FUZZ)
        add_executable(fuzz_${name} ${FUZZ_SOURCES})
        target_link_options(fuzz_${name} PRIVATE -fsanitize=fuzzer)
        set_target_properties(fuzz_${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/fuzz)
        add_dependencies(fuzzers fuzz_${name})
        set(target fuzz_${name})
    else()
        add_executable(replay_${name} ${FUZZ_SOURCES} ${PROJECT_SOURCE_DIR}/tests/FuzzReplayMain.cpp)
        add_test(NAME fuzz.replay.${name} COMMAND replay_${name} ${FUZZ_CORPUS})
        set(target replay_${name})
    endif()
    target_link_libraries(${target} PRIVATE ${FUZZ_LIBRARIES})
    # FuzzRunFolder.h, shared by the fuzzers that read files.
    target_include_directories(${target} PRIVATE ${PROJECT_SOURCE_DIR}/tests)
endfunction()
