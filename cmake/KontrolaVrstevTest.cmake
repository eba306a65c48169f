# Feeds the layer check small trees, one fault each, and requires it to fail on every fault with
# the message that names it, and to pass on the clean tree.
# Run as: cmake -DKOREN=<source dir> -DPRACOVNI=<scratch dir> -P KontrolaVrstevTest.cmake
cmake_minimum_required(VERSION 3.25)

set(kontrola "${KOREN}/cmake/KontrolaVrstev.cmake")
if(KONTROLA)
  set(kontrola "${KONTROLA}")
endif()
set(chyby 0)

# A clean tree: a core folder with its library, a window folder above it, a test.
function(cisty_strom koren)
  file(REMOVE_RECURSE "${koren}")
  file(WRITE "${koren}/base/Datum.h" "#pragma once\n#include <string>\n")
  file(WRITE "${koren}/questions/Banka.h" "#pragma once\n#include \"base/Datum.h\"\n#include \"Pomoc.h\"\n")
  file(WRITE "${koren}/questions/Pomoc.h" "#pragma once\n")
  file(WRITE "${koren}/questions/CMakeLists.txt"
       "zk_core_library(zk_questions Banka.cpp)\ntarget_link_libraries(zk_questions PUBLIC zk_base)\n")
  file(WRITE "${koren}/questions/tests/banka_test.cpp" "#include \"questions/Banka.h\"\n#include <QString>\n")
  file(WRITE "${koren}/ui/Zpravy.h" "#pragma once\n#include <QMessageBox>\n")
  file(WRITE "${koren}/ui/CMakeLists.txt" "zk_gui_library(zk_ui Zpravy.cpp)\n")
  file(WRITE "${koren}/app/Okno.h" "#pragma once\n")
  file(WRITE "${koren}/app/Okno.cpp" "#include \"ui/Zpravy.h\"\n#include <questions/Banka.h>\n")
endfunction()

# Runs the check on `koren`; `ocekavani` is "" for a pass, else a text its output must hold.
function(over nazev koren ocekavani)
  execute_process(COMMAND "${CMAKE_COMMAND}" -DKOREN=${koren} -P "${kontrola}"
                  RESULT_VARIABLE kod OUTPUT_VARIABLE vystup ERROR_VARIABLE vystup)
  if(ocekavani STREQUAL "")
    if(NOT kod EQUAL 0)
      message("FAIL ${nazev}: the clean tree was refused:\n${vystup}")
      math(EXPR chyby "${chyby} + 1")
    endif()
  else()
    string(FIND "${vystup}" "${ocekavani}" kde)
    if(kod EQUAL 0 OR kde EQUAL -1)
      message("FAIL ${nazev}: expected a failure naming \"${ocekavani}\", got (${kod}):\n${vystup}")
      math(EXPR chyby "${chyby} + 1")
    endif()
  endif()
  set(chyby ${chyby} PARENT_SCOPE)
endfunction()

set(strom "${PRACOVNI}/strom")
cisty_strom("${strom}")
over("clean tree" "${strom}" "")

# Each case: a name, a file to write (relative path), its text, and what the message must name.
set(pripady
  "upward include|questions/Zle.cpp|#include \"app/Okno.h\"\n|questions/Zle.cpp: includes app/Okno.h of app/"
  "relative upward include|questions/gui/Zle.cpp|#include \"../../app/Okno.h\"\n|questions/gui/Zle.cpp: includes ../../app/Okno.h"
  "angle-bracket project include|questions/Zle.cpp|#include <app/Okno.h>\n|questions/Zle.cpp: includes app/Okno.h of app/"
  "lowercase Qt header in core|questions/Zle.cpp|#include <qstring.h>\n|includes the Qt header qstring.h"
  "module-qualified Qt header in core|base/Zle.h|#include <QtCore/QString>\n|includes the Qt header QtCore/QString"
  "camel-case Qt header in core|base/Zle.h|#include <QString>\n|includes the Qt header QString"
  "file in a new top-level folder|novy/Neco.cpp|// nic\n|novy/Neco.cpp: lies in no folder of the layer table"
  "hpp file|questions/Zle.hpp|#include \"app/Okno.h\"\n|questions/Zle.hpp: includes app/Okno.h of app/"
  "test header outside tests|app/Zle.cpp|#include \"questions/tests/pomoc.h\"\n|includes the test header"
  "include outside the tree|base/Zle.h|#include \"../../etc/passwd\"\n|lies outside the source tree"
  "core library linked to Qt|questions/CMakeLists.txt|zk_core_library(zk_questions Banka.cpp)\ntarget_link_libraries(zk_questions\n  PUBLIC zk_base Qt6::Core)\n|the core library zk_questions links Qt"
  "core library linked to a window library|questions/CMakeLists.txt|zk_core_library(zk_questions Banka.cpp)\ntarget_link_libraries(zk_questions PRIVATE zk_ui)\n|the core library zk_questions links zk_ui"
)
foreach(pripad IN LISTS pripady)
  string(REPLACE "|" ";" casti "${pripad}")
  list(GET casti 0 nazev)
  list(GET casti 1 soubor)
  list(GET casti 2 text)
  list(GET casti 3 ocekavani)
  string(REPLACE "\\n" "\n" text "${text}")
  cisty_strom("${strom}")
  file(WRITE "${strom}/${soubor}" "${text}")
  over("${nazev}" "${strom}" "${ocekavani}")
endforeach()

file(REMOVE_RECURSE "${strom}")
if(chyby GREATER 0)
  message(FATAL_ERROR "${chyby} case(s) of the layer check went wrong")
endif()
message("Layer check: every fault refused, the clean tree kept")
