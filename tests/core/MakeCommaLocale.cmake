# Builds de_DE.UTF-8 into OUT, once. localedef exits 1 for mere warnings, so
# success is judged by the files it leaves.
if(NOT LOCALEDEF)
    message(FATAL_ERROR "localedef not found: install the locales package, or the comma-locale "
                        "tests cannot run")
endif()
if(NOT EXISTS "${OUT}/de_DE.UTF-8/LC_NUMERIC")
    file(MAKE_DIRECTORY "${OUT}")
    execute_process(COMMAND "${LOCALEDEF}" -i de_DE -f UTF-8 "${OUT}/de_DE.UTF-8"
                    RESULT_VARIABLE result ERROR_VARIABLE errors)
endif()
if(NOT EXISTS "${OUT}/de_DE.UTF-8/LC_NUMERIC")
    message(FATAL_ERROR "localedef could not build de_DE.UTF-8: ${errors}")
endif()
