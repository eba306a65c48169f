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

# A generated situation: its four files, the same twice for one seed, and the scene solves.
foreach(cil g1 g2)
  file(REMOVE_RECURSE ${PRACOVNI}/${cil})
  execute_process(COMMAND ${NASTROJ} --generate 4711 ${PRACOVNI}/${cil}
    RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "--generate: status ${rc}: ${err}")
  endif()
endforeach()
foreach(soubor scena.yaml situace.png otazka.txt vysvetleni.txt)
  if(NOT EXISTS ${PRACOVNI}/g1/${soubor})
    message(FATAL_ERROR "--generate wrote no ${soubor}")
  endif()
  file(SHA256 ${PRACOVNI}/g1/${soubor} h1)
  file(SHA256 ${PRACOVNI}/g2/${soubor} h2)
  if(NOT h1 STREQUAL h2)
    message(FATAL_ERROR "--generate: ${soubor} differs for the same seed")
  endif()
endforeach()
file(READ ${PRACOVNI}/g1/otazka.txt otazka)
if(NOT otazka MATCHES "^(Které vozidlo projede křižovatkou jako první\\?|V jakém pořadí projedou vozidla křižovatkou\\?)\na\\) [^\n]+\nb\\) [^\n]+\nc\\) [^\n]+\nsprávně: [abc]\n$")
  message(FATAL_ERROR "--generate: unexpected question:\n${otazka}")
endif()
execute_process(COMMAND ${NASTROJ} --solve ${PRACOVNI}/g1/scena.yaml RESULT_VARIABLE rc OUTPUT_VARIABLE out)
file(READ ${PRACOVNI}/g1/vysvetleni.txt vysvetleni)
string(REGEX MATCH "^1\t[^\t]+\t([^\n]+)" prvni "${out}")
# --solve writes a step on one line; the explanation gives each participant a line of its own
string(REPLACE "\n" " " vysvetleni_radek "${vysvetleni}")
string(FIND "${vysvetleni_radek}" "1. ${CMAKE_MATCH_1}" kde)
if(NOT rc EQUAL 0 OR kde EQUAL -1)
  message(FATAL_ERROR "generated scene: status ${rc}, steps\n${out}\nexplanation\n${vysvetleni}")
endif()
execute_process(COMMAND ${NASTROJ} --generate 12x ${PRACOVNI}/g3 RESULT_VARIABLE rc ERROR_VARIABLE err)
if(NOT rc EQUAL 1 OR EXISTS ${PRACOVNI}/g3)
  message(FATAL_ERROR "bad seed: status ${rc}, err '${err}'")
endif()
