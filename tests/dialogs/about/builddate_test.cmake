# cmake -DGENERATOR=<builddate.cmake> -DOUTPUT=<header> -P builddate_test.cmake
# A package build sets SOURCE_DATE_EPOCH; the date shown is then that day's,
# whenever the build runs. 1242043200 is noon UTC on May 11, 2009.
execute_process(COMMAND ${CMAKE_COMMAND} -E env SOURCE_DATE_EPOCH=1242043200
                        ${CMAKE_COMMAND} -DOUTPUT=${OUTPUT} -P ${GENERATOR}
                RESULT_VARIABLE failed)
file(READ ${OUTPUT} header)
if(failed OR NOT header MATCHES "#define PAYSMITH_BUILD_DATE \"2009-05-11\"")
    message(FATAL_ERROR "SOURCE_DATE_EPOCH did not set the build date:\n${header}")
endif()
