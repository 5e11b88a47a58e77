# Which C runtime DLL a Windows program of this project imports (docs/c-runtime.md).
#   QV_C_RUNTIME=msvcrt  the compiler's own choice: Debian's mingw-w64 links msvcrt.dll
#   QV_C_RUNTIME=crtdll  crtdll.dll, the runtime that every Windows 95 has (the release)
set(QV_C_RUNTIME msvcrt CACHE STRING "C runtime DLL of the Windows program: msvcrt or crtdll")
set_property(CACHE QV_C_RUNTIME PROPERTY STRINGS msvcrt crtdll)
if(NOT QV_C_RUNTIME MATCHES "^(msvcrt|crtdll)$")
  message(FATAL_ERROR "QV_C_RUNTIME is '${QV_C_RUNTIME}': msvcrt or crtdll")
endif()

# The compiler driver names the runtime in its "libgcc" spec (-lmsvcrt beside libgcc, libmingw32
# and libmingwex). A specs file made from the compiler's own spec, with -lcrtdll in its place,
# changes that one word and nothing else, whatever this compiler's spec says around it.
function(qv_crtdll_specs out_file)
  execute_process(COMMAND ${CMAKE_CXX_COMPILER} -dumpspecs
                  OUTPUT_VARIABLE specs RESULT_VARIABLE failed)
  if(failed)
    message(FATAL_ERROR "${CMAKE_CXX_COMPILER} -dumpspecs failed")
  endif()
  string(REGEX MATCH "\\*libgcc:\n[^\n]*" entry "${specs}")
  string(REGEX MATCHALL "-lmsvcrt[ \t\n]" named "${entry} ")
  list(LENGTH named count)
  if(NOT count EQUAL 1)
    message(FATAL_ERROR "the libgcc spec of ${CMAKE_CXX_COMPILER} does not name -lmsvcrt once:\n"
                        "${entry}")
  endif()
  string(REGEX REPLACE "-lmsvcrt([ \t]|$)" "-lcrtdll\\1" entry "${entry}")
  file(CONFIGURE OUTPUT ${out_file} CONTENT "${entry}\n")
endfunction()

# Links TARGET against crtdll.dll through the specs file above.
function(qv_link_crtdll target)
  set(specs ${CMAKE_BINARY_DIR}/crtdll.specs)
  qv_crtdll_specs(${specs})
  target_link_options(${target} PRIVATE -specs=${specs})
endfunction()

# Links TARGET against the runtime that QV_C_RUNTIME chooses.
function(qv_link_c_runtime target)
  if(QV_C_RUNTIME STREQUAL "crtdll")
    qv_link_crtdll(${target})
  endif()
endfunction()
