# Runs the table generator into a file of the build tree and fails unless
# the result equals the committed catalogue/tabellen_daten.cpp byte for byte.
# Called as: cmake -DPYTHON=... -DERZEUGER=... -DERWARTET=... -DAUSGABE=... -P
execute_process(COMMAND ${PYTHON} ${ERZEUGER} ${AUSGABE} RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "${ERZEUGER} failed (${rc}).")
endif()
execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${AUSGABE} ${ERWARTET}
  RESULT_VARIABLE verschieden)
if(NOT verschieden EQUAL 0)
  message(FATAL_ERROR "${ERWARTET} differs from what the generator writes "
    "(${AUSGABE}); run: python3 catalogue/gen/tabellen_erzeugen.py catalogue/tabellen_daten.cpp")
endif()
