# Builds two locales whose decimal separator is not a period (German and Persian) into OUT,
# so that the tests can prove that no number text depends on the user's locale.
file(MAKE_DIRECTORY ${OUT})
foreach(loc de_DE fa_IR)
  if(NOT EXISTS ${OUT}/${loc}.UTF-8/LC_NUMERIC)
    execute_process(COMMAND localedef -c -i ${loc} -f UTF-8 ${OUT}/${loc}.UTF-8
                    RESULT_VARIABLE rc OUTPUT_QUIET ERROR_QUIET)
    if(NOT EXISTS ${OUT}/${loc}.UTF-8/LC_NUMERIC)
      message(FATAL_ERROR "localedef could not build ${loc}.UTF-8 (exit ${rc}); is the 'locales' package installed?")
    endif()
  endif()
endforeach()
