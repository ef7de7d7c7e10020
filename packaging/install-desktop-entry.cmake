# Run by `cmake --install`: writes the menu entry with the program's full path under the prefix
# being installed, and installs it. Under /usr the name alone is the custom; Exec quotes a path
# with blanks.
set(BRONTAXE_EXEC "${CMAKE_INSTALL_PREFIX}/${BRONTAXE_BINDIR}/brontaxe")
if(CMAKE_INSTALL_PREFIX STREQUAL "/usr")
  set(BRONTAXE_EXEC brontaxe)
endif()
set(BRONTAXE_EXEC_COMMAND "${BRONTAXE_EXEC}")
if(BRONTAXE_EXEC MATCHES " ")
  set(BRONTAXE_EXEC_COMMAND "\"${BRONTAXE_EXEC}\"")
endif()
configure_file("${BRONTAXE_ENTRY_TEMPLATE}" "${BRONTAXE_ENTRY}" @ONLY)
file(INSTALL "${BRONTAXE_ENTRY}" DESTINATION "${CMAKE_INSTALL_PREFIX}/${BRONTAXE_APPLICATIONS}")
