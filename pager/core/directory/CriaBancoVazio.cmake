# SPDX-License-Identifier: GPL-3.0-or-later
# cmake -DESQUEMA=<schema .sql> -DDESTINO=<Pager.Mdb> -P CriaBancoVazio.cmake
if(EXISTS "${DESTINO}")
  return()
endif()
find_program(SQLITE3 sqlite3 REQUIRED)
set(temporario "${DESTINO}.novo")
file(REMOVE "${temporario}")
execute_process(COMMAND ${SQLITE3} "${temporario}" INPUT_FILE "${ESQUEMA}" RESULT_VARIABLE r OUTPUT_QUIET)
if(NOT r EQUAL 0)
  file(REMOVE "${temporario}")
  message(FATAL_ERROR "não foi possível criar ${DESTINO} a partir de ${ESQUEMA}")
endif()
file(RENAME "${temporario}" "${DESTINO}")
