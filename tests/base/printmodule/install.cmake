# A fresh installation made by the project's install rules, as the package
# holds it, with the test program in its bin/ beside the program.
file(REMOVE_RECURSE ${PREFIX})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD} --prefix ${PREFIX}
                OUTPUT_QUIET COMMAND_ERROR_IS_FATAL ANY)
file(COPY ${PROGRAM} DESTINATION ${PREFIX}/${BINDIR})
