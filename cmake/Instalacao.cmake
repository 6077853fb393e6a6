# SPDX-License-Identifier: GPL-3.0-or-later
# Where `cmake --install` puts things (any prefix): executables in <prefix>/bin, each program's
# read-only data in <prefix>/share/quorvane/<programa>. The programs find that folder from
# their executable's folder, through the relative path computed here.
include(GNUInstallDirs)
set(QUORVANE_PASTA_DADOS ${CMAKE_INSTALL_DATADIR}/quorvane)
file(RELATIVE_PATH QUORVANE_DADOS_RELATIVOS
  ${CMAKE_INSTALL_FULL_BINDIR} ${CMAKE_INSTALL_FULL_DATADIR}/quorvane)

# quorvane_instala_dados(<programa> <arquivos...>): files the build makes for the program
# folder that an installation ships read-only.
function(quorvane_instala_dados programa)
  install(FILES ${ARGN} DESTINATION ${QUORVANE_PASTA_DADOS}/${programa})
endfunction()

# Installed folders readable by everyone, whatever the umask of whoever installs.
set(CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
  OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
