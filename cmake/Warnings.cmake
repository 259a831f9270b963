# Stricter warnings for the program's own targets, off by default: they
# catch shadowed names, casts that drop qualifiers and hidden overloads, but
# Qt's and GoogleTest's headers would drown a build of the tests in them.
option(TRANSCALC_EXTRA_WARNINGS "Stricter warnings on the program's own targets" OFF)

function(transcalc_extra_warnings)
    if(NOT TRANSCALC_EXTRA_WARNINGS)
        return()
    endif()
    foreach(target IN LISTS ARGN)
        target_compile_options(${target} PRIVATE
            -Wshadow -Wnon-virtual-dtor -Woverloaded-virtual -Wcast-qual
            -Wimplicit-fallthrough
            $<$<CXX_COMPILER_ID:GNU>:-Wduplicated-cond -Wlogical-op>)
    endforeach()
endfunction()
