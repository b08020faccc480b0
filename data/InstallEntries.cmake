# Run by `cmake --install`: links the two executables into bin (relative
# links, so the installed tree can be moved whole) and writes the desktop
# entry with the program's installed path.
set(prefix "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}")
file(MAKE_DIRECTORY "${prefix}/${VELMORA_BIN_DIR}")
file(RELATIVE_PATH to_program_folder "/${VELMORA_BIN_DIR}" "/${VELMORA_INSTALL_DIR}")
foreach(program velmora velmora-chart)
  set(link "${prefix}/${VELMORA_BIN_DIR}/${program}")
  message(STATUS "Installing: ${link} -> ${to_program_folder}/${program}")
  file(REMOVE "${link}")
  file(CREATE_LINK "${to_program_folder}/${program}" "${link}" SYMBOLIC)
endforeach()

set(VELMORA_EXEC "${CMAKE_INSTALL_PREFIX}/${VELMORA_BIN_DIR}/velmora")
set(entry "${prefix}/${VELMORA_APPLICATIONS_DIR}/velmora.desktop")
message(STATUS "Installing: ${entry}")
configure_file("${VELMORA_DESKTOP_TEMPLATE}" "${entry}" @ONLY)
