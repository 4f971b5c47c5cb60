# The Windows programs of a Windows tree: the two that ship, the driver team's tools and those
# the tests start (the wizard's test build, the monitor capture). A tree of their own inside
# this one builds them from the same sources with the compilers' win32 thread model, whose
# runtime imports only what Windows XP has, so that the tests run the released programs. They
# land in this tree's bin folder, beside the tests.
include(ExternalProject)
set(QEX_PROGRAMS QexView QexWiz qexpreview qexcard QexWizSim monitor_capture)
set(QEX_PROGRAM_FILES ${QEX_PROGRAMS})
list(TRANSFORM QEX_PROGRAM_FILES PREPEND ${CMAKE_BINARY_DIR}/bin/)
list(TRANSFORM QEX_PROGRAM_FILES APPEND .exe)
ExternalProject_Add(programs
  SOURCE_DIR ${CMAKE_SOURCE_DIR}
  BINARY_DIR ${CMAKE_BINARY_DIR}/programs
  CMAKE_ARGS -DCMAKE_TOOLCHAIN_FILE=${CMAKE_TOOLCHAIN_FILE} -DQEX_MINGW_THREADS=win32 -DQEX_PROGRAMS_ONLY=ON
    -DCMAKE_BUILD_TYPE=${CMAKE_BUILD_TYPE} -DCMAKE_RUNTIME_OUTPUT_DIRECTORY=${CMAKE_BINARY_DIR}/bin
  BUILD_ALWAYS ON
  BUILD_BYPRODUCTS ${QEX_PROGRAM_FILES}
  INSTALL_COMMAND "")
foreach(program ${QEX_PROGRAMS})
  add_executable(${program} IMPORTED GLOBAL)
  set_target_properties(${program} PROPERTIES IMPORTED_LOCATION ${CMAKE_BINARY_DIR}/bin/${program}.exe)
  add_dependencies(${program} programs)
endforeach()
