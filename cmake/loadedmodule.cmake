# A module the program loads with QLibrary when first needed, so that what it
# links stays off the start-up path: `target`, built from the sources after
# `file`, is ${file}.so. A build tree's program finds it beside itself; an
# installed one through the target's PAYSMITH_FROM_PROGRAM, the path relative
# to its own folder. The modules are private: they go in a folder of their
# own under the architecture's library folder where the platform has one
# (Debian's multiarch), out of the linker's search path, so that packaging
# adds no ldconfig call for them.
include(GNUInstallDirs)

function(paysmith_loaded_module target file)
    set(module_libdir ${CMAKE_INSTALL_LIBDIR})
    if(CMAKE_LIBRARY_ARCHITECTURE AND NOT module_libdir MATCHES "/${CMAKE_LIBRARY_ARCHITECTURE}$")
        string(APPEND module_libdir /${CMAKE_LIBRARY_ARCHITECTURE})
    endif()
    set(module_dir ${module_libdir}/paysmith)
    add_library(${target} MODULE ${ARGN})
    file(RELATIVE_PATH installed_from_program ${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}
         ${CMAKE_INSTALL_PREFIX}/${module_dir}/${file}.so)
    set_target_properties(${target} PROPERTIES
        OUTPUT_NAME ${file}
        PREFIX ""
        LIBRARY_OUTPUT_DIRECTORY ${PROJECT_BINARY_DIR}/src/app
        PAYSMITH_FROM_PROGRAM ${installed_from_program})
    install(TARGETS ${target} LIBRARY DESTINATION ${module_dir})
endfunction()
