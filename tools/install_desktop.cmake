# Writes the desktop entry into the installed program folder with absolute paths.
set(dir "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}")
file(READ "${TALVORA_DESKTOP_TEMPLATE}" entry)
string(REGEX REPLACE "\nExec=[^\n]*" "\nExec=\"${CMAKE_INSTALL_PREFIX}/talvora.sh\"" entry "${entry}")
string(REGEX REPLACE "\nIcon=[^\n]*" "\nIcon=${CMAKE_INSTALL_PREFIX}/talvora.png" entry "${entry}")
message(STATUS "Installing: ${dir}/talvora.desktop")
file(WRITE "${dir}/talvora.desktop" "${entry}")
