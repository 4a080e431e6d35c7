# Installs the build into a fresh prefix and checks the installed tree: the programs in bin/,
# the template under share/verdimo/, and the installed verdimo-cli accepting the
# installed template.
# cmake -DBUILD_DIR=... -DPREFIX=... -DPROGRAMS="verdimo;verdimo-cli" -P CheckInstallTree.cmake
file(REMOVE_RECURSE ${PREFIX})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${PREFIX}
                RESULT_VARIABLE status OUTPUT_QUIET)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "cmake --install failed: ${status}")
endif()

set(template ${PREFIX}/share/verdimo/Database/Tellan.mdb)
set(expected ${template})
foreach(program ${PROGRAMS})
    list(APPEND expected ${PREFIX}/bin/${program})
endforeach()
foreach(file ${expected})
    if(NOT EXISTS ${file})
        message(FATAL_ERROR "not installed: ${file}")
    endif()
endforeach()

execute_process(COMMAND ${PREFIX}/bin/verdimo-cli check ${template}
                RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "installed verdimo-cli check failed (${status}): ${out}${err}")
endif()
file(REMOVE_RECURSE ${PREFIX})
