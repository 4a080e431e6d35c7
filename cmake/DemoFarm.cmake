# The demo farm: its generator in verdimo_core (the benchmarks build their farms with it too),
# the command `verdimo-cli demo`, the main window's "Open demo farm", and their tests.
add_subdirectory(src/demo)
if(TARGET verdimo_cli)
    target_sources(verdimo_cli PRIVATE ${CMAKE_SOURCE_DIR}/src/cli/DemoCommand.cpp
                                       ${CMAKE_SOURCE_DIR}/src/cli/DemoCommand.h)
endif()
if(TARGET verdimo)
    target_sources(verdimo_ui PRIVATE ${CMAKE_SOURCE_DIR}/src/app/DemoFarmOpening.cpp
                                      ${CMAKE_SOURCE_DIR}/src/app/DemoFarmOpening.h)
endif()
add_subdirectory(tests/demo)
