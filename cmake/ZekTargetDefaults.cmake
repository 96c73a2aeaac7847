# Settings every target of ours shares: warnings as errors, and narrow literals in
# code page 932 on every compiler, so the core's native tests see the program's bytes.
# Clang converts to UTF-8 only; it builds just the fuzz targets, whose checks do not
# depend on the bytes of the program's own texts.
function(zek_target_defaults target)
  target_compile_options(${target} PRIVATE
    $<$<CXX_COMPILER_ID:GNU,Clang>:-Wall -Wextra -Wpedantic -Werror -Wno-missing-field-initializers
                                   -finput-charset=UTF-8>
    $<$<CXX_COMPILER_ID:GNU>:-fexec-charset=CP932>
    $<$<CXX_COMPILER_ID:MSVC>:/W4 /WX /permissive- /source-charset:utf-8 /execution-charset:.932>)
  # i686 GCC computes doubles on the x87 unit in extended precision, where the
  # bar's alpha for 20 % transparency, (100 - 20) x 2.55 truncated, comes out 203
  # instead of 204; SSE2 computes in double precision as the 64-bit build does.
  # Windows calls a 32-bit program back on stacks aligned to 4 bytes only.
  if(CMAKE_SYSTEM_PROCESSOR STREQUAL "i686" AND CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
    target_compile_options(${target} PRIVATE -msse2 -mfpmath=sse -mstackrealign)
  endif()
  if(WIN32)
    target_compile_definitions(${target} PRIVATE WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0601 WINVER=0x0601)
    if(MINGW)
      target_link_options(${target} PRIVATE -static)
    endif()
  endif()
endfunction()
