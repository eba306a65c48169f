# Runs zk_krizovatky on a shipped scene, on a scene it must refuse and on a faulty one.
file(MAKE_DIRECTORY ${PRACOVNI})
execute_process(COMMAND ${NASTROJ} --solve ${KOREN}/data/situace/721.yaml
  RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "721: status ${rc}: ${err}")
endif()
string(REGEX MATCHALL "[^\n]+" radky "${out}")
list(LENGTH radky n)
list(GET radky 0 prvni)
list(GET radky 2 treti)
if(NOT n EQUAL 3 OR NOT prvni MATCHES "^1\tC\t.*§ 22 odst. 2 zákona č. 361/2000 Sb." OR NOT treti MATCHES "^3\tA\t")
  message(FATAL_ERROR "721: unexpected output:\n${out}")
endif()

file(WRITE ${PRACOVNI}/dva_majaky.yaml
"ramena: [J, S, V, Z]
vozidla:
  - {druh: osobni, barva: bila, stitek: A, z: J, do: S, majak: true}
  - {druh: osobni, barva: bila, stitek: B, z: V, do: Z, majak: true}
")
execute_process(COMMAND ${NASTROJ} --solve ${PRACOVNI}/dva_majaky.yaml
  RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT rc EQUAL 2 OR NOT err MATCHES "přednostní jízdy" OR NOT out STREQUAL "")
  message(FATAL_ERROR "refused scene: status ${rc}, out '${out}', err '${err}'")
endif()

file(WRITE ${PRACOVNI}/chybna.yaml
"ramena: [J, S, V, Z]
vozidla:
  - {druh: osobni, barva: bila, stitek: A, z: J, do: S}
  - {druh: osobni, barva: bila, stitek: B, z: X, do: Z}
")
execute_process(COMMAND ${NASTROJ} --solve ${PRACOVNI}/chybna.yaml
  RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(rc EQUAL 0 OR rc EQUAL 2 OR NOT err MATCHES "chybna.yaml:4: neznámé rameno „X“")
  message(FATAL_ERROR "faulty scene: status ${rc}, err '${err}'")
endif()
