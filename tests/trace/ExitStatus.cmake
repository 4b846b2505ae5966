# Runs pelonix-trace (through EMULATOR, if any) with the bad argument ARG and
# fails unless it exits with 2, one line on standard error, nothing on
# standard output.
execute_process(COMMAND ${EMULATOR} ${TRACE} ${ARG}
                RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT status EQUAL 2 OR NOT out STREQUAL "" OR NOT err MATCHES "^pelonix-trace: [^\n]+\n$")
  message(FATAL_ERROR "pelonix-trace ${ARG}: status '${status}', standard output '${out}', standard error '${err}'")
endif()
