# The translation sources are complete and current: lupdate, run over copies
# of translations/*.ts with the program's sources, changes nothing and finds
# no unfinished, vanished or obsolete message. Fails the test (and so
# scripts/test) when a new text has no translation or a source changed.
#   cmake -DLUPDATE=... -DGENERATOR=... -DIN_FILE=... -DWORK=... -DTS_DIR=... -P uebersetzungen.cmake
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})
execute_process(COMMAND ${CMAKE_COMMAND} -DIN_FILE=${IN_FILE} -DOUT_FILE=${WORK}/projekt.json -P ${GENERATOR}
                RESULT_VARIABLE r)
if(NOT r EQUAL 0)
  message(FATAL_ERROR "could not make the lupdate project")
endif()
set(fehler "")
foreach(sprache de en)
  set(ts ${TS_DIR}/quorvel_${sprache}.ts)
  file(COPY ${ts} DESTINATION ${WORK})
  execute_process(COMMAND ${LUPDATE} -project ${WORK}/projekt.json -locations none -ts ${WORK}/quorvel_${sprache}.ts
                  RESULT_VARIABLE r OUTPUT_VARIABLE ausgabe ERROR_VARIABLE ausgabe)
  if(NOT r EQUAL 0)
    message(FATAL_ERROR "lupdate failed: ${ausgabe}")
  endif()
  file(READ ${WORK}/quorvel_${sprache}.ts neu)
  file(READ ${ts} alt)
  foreach(art unfinished vanished obsolete)
    string(REGEX MATCHALL "type=\"${art}\"" treffer "${neu}")
    list(LENGTH treffer n)
    if(n GREATER 0)
      string(APPEND fehler "quorvel_${sprache}.ts: ${n} ${art} message(s) (open it in Qt Linguist)\n")
    endif()
  endforeach()
  if(NOT neu STREQUAL alt)
    string(APPEND fehler "quorvel_${sprache}.ts is not current: build the target update_translations\n")
  endif()
endforeach()
if(fehler)
  message(FATAL_ERROR "${fehler}")
endif()
message(STATUS "both translation sources complete and current")
