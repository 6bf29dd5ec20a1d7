# cmake -DSCHEMA=<schema.sql> -DSCOREBOOK=<file> -P CreateScorebook.cmake
# Creates the scorebook from the schema when it does not exist; never touches one that does.
if(EXISTS "${SCOREBOOK}")
    return()
endif()
find_program(SQLITE3 sqlite3 REQUIRED)
execute_process(COMMAND ${SQLITE3} "${SCOREBOOK}.new" INPUT_FILE "${SCHEMA}" RESULT_VARIABLE failed)
if(failed)
    file(REMOVE "${SCOREBOOK}.new")
    message(FATAL_ERROR "Could not create the scorebook ${SCOREBOOK}")
endif()
file(RENAME "${SCOREBOOK}.new" "${SCOREBOOK}")
