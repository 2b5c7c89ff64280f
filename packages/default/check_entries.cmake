# Fails unless ARCHIVE lists exactly the entries of EXPECTED (a ;-list).
execute_process(COMMAND ${CMAKE_COMMAND} -E tar tf ${ARCHIVE}
                OUTPUT_VARIABLE listing RESULT_VARIABLE failed ERROR_VARIABLE error)
if(failed)
  message(FATAL_ERROR "cannot list ${ARCHIVE}: ${error}")
endif()
string(STRIP "${listing}" listing)
string(REPLACE "\n" ";" entries "${listing}")
list(SORT entries)
set(expected ${EXPECTED})
list(SORT expected)
if(NOT entries STREQUAL expected)
  message(FATAL_ERROR "entries of ${ARCHIVE}:\n  ${entries}\nexpected:\n  ${expected}")
endif()
