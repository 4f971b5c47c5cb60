# The release package: both programs, the README with its screenshots and a SHA-256 list of
# them all, as a ZIP.
# Installing needs only the two programs built, not every test program of the tree.
set(CMAKE_SKIP_INSTALL_ALL_DEPENDENCY TRUE)
# The programs come from the programs' tree (cmake/programs.cmake), which installs them.
install(SCRIPT ${CMAKE_BINARY_DIR}/programs/cmake_install.cmake)
install(FILES ${CMAKE_SOURCE_DIR}/README.md DESTINATION .)
# The README links to the file formats' page; both show the pictures.
install(FILES ${CMAKE_SOURCE_DIR}/docs/formats.md DESTINATION docs)
install(DIRECTORY ${CMAKE_SOURCE_DIR}/docs/images DESTINATION docs)
# Written after the files above are in place (and stripped, when the install strips).
install(CODE [[
  set(dir "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}")
  set(sums "")
  file(GLOB images RELATIVE "${dir}" "${dir}/docs/images/*")
  list(SORT images)
  foreach(name QexView.exe QexWiz.exe README.md docs/formats.md ${images})
    file(SHA256 "${dir}/${name}" hash)
    string(APPEND sums "${hash}  ${name}\n")
  endforeach()
  file(WRITE "${dir}/SHA256SUMS" "${sums}")
]])

set(CPACK_GENERATOR ZIP)
set(CPACK_PACKAGE_NAME qex)
set(CPACK_PACKAGE_VENDOR "QEX Laser Systems")
set(CPACK_PACKAGE_FILE_NAME qex-${PROJECT_VERSION}-win32)
set(CPACK_STRIP_FILES ON)
include(CPack)
