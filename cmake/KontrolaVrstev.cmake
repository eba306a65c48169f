# Reads the `#include "..."` lines of every source folder and fails when a folder includes a
# header of a folder it must not see. Run as: cmake -DKOREN=<source dir> -P KontrolaVrstev.cmake
#
# Each rule is "folder:folders it may include"; a folder may always include itself. A file
# belongs to the longest folder of the table that holds it. Tests in <folder>/tests may include
# what their folder may, their folder itself and testsupport/; nothing else includes testsupport/
# or another folder's tests. The core folders see no Qt header at all.
cmake_minimum_required(VERSION 3.25)

set(pravidla
  "base:"
  "storage:base"
  "questions:base storage"
  "profiles:base storage"
  "results:base storage questions"
  "test:base storage questions"
  "ui:base storage"
  "questions/gui:base storage questions ui"
  "profiles/gui:base storage profiles questions ui"
  "results/gui:base storage questions results ui"
  "test/gui:base storage questions test ui"
  "info:base storage ui"
  "app:base storage questions profiles results test ui questions/gui profiles/gui results/gui test/gui info"
  "testsupport:base storage questions test ui"
  "tools/importotazek:base storage questions"
  "tools/kresleni:"
  "tools/snimky:base storage questions profiles results test ui questions/gui profiles/gui results/gui test/gui info app"
  "tools/znacky:"
  "tools/situace:tools/znacky"
  "bench:base storage questions profiles results test ui questions/gui profiles/gui results/gui test/gui info app testsupport"
)
set(jadra base storage questions profiles results test)

if(NOT KOREN)
  message(FATAL_ERROR "KOREN (the source directory) is not set")
endif()
get_filename_component(KOREN "${KOREN}" ABSOLUTE)

set(slozky)
foreach(pravidlo IN LISTS pravidla)
  string(REPLACE ":" ";" casti "${pravidlo}")
  list(GET casti 0 slozka)
  list(LENGTH casti n)
  set(dovoleno "")
  if(n GREATER 1)
    list(GET casti 1 dovoleno)
    separate_arguments(dovoleno UNIX_COMMAND "${dovoleno}")
  endif()
  list(APPEND slozky ${slozka})
  string(MAKE_C_IDENTIFIER "${slozka}" klic)
  set(DOVOLENO_${klic} ${slozka} ${dovoleno})
endforeach()

# The longest folder of the table that holds `cesta`, or "" when none does.
function(slozka_cesty cesta vysledek)
  set(nejdelsi "")
  string(LENGTH "" delka_nejdelsi)
  foreach(slozka IN LISTS slozky)
    string(LENGTH "${slozka}/" delka)
    string(SUBSTRING "${cesta}" 0 ${delka} zacatek)
    if(zacatek STREQUAL "${slozka}/" AND delka GREATER delka_nejdelsi)
      set(nejdelsi ${slozka})
      set(delka_nejdelsi ${delka})
    endif()
  endforeach()
  set(${vysledek} "${nejdelsi}" PARENT_SCOPE)
endfunction()

set(soubory)
foreach(koren_slozky base storage questions profiles results test ui info app testsupport tools bench)
  if(EXISTS "${KOREN}/${koren_slozky}")
    file(GLOB_RECURSE nalezene RELATIVE "${KOREN}" "${KOREN}/${koren_slozky}/*.h"
         "${KOREN}/${koren_slozky}/*.cpp")
    list(APPEND soubory ${nalezene})
  endif()
endforeach()
list(SORT soubory)

set(chyby 0)
set(pocet 0)
foreach(soubor IN LISTS soubory)
  math(EXPR pocet "${pocet} + 1")
  set(test OFF)
  if(soubor MATCHES "^(.+)/tests/")
    set(test ON)
    set(vlastnik ${CMAKE_MATCH_1})
  else()
    slozka_cesty("${soubor}" vlastnik)
  endif()
  if(NOT vlastnik OR NOT vlastnik IN_LIST slozky)
    message("${soubor}: lies in no folder of the layer table")
    math(EXPR chyby "${chyby} + 1")
    continue()
  endif()
  string(MAKE_C_IDENTIFIER "${vlastnik}" klic)
  set(dovoleno ${DOVOLENO_${klic}})
  if(test)
    list(APPEND dovoleno testsupport)
  endif()

  file(STRINGS "${KOREN}/${soubor}" radky REGEX "^[ \t]*#[ \t]*include")
  foreach(radek IN LISTS radky)
    if(radek MATCHES "#[ \t]*include[ \t]*\"([^\"]+)\"")
      set(cil ${CMAKE_MATCH_1})
      if(cil MATCHES "/tests/" AND NOT test)
        message("${soubor}: includes the test header ${cil}")
        math(EXPR chyby "${chyby} + 1")
        continue()
      endif()
      slozka_cesty("${cil}" slozka_cile)
      if(NOT slozka_cile)
        # A header beside the file, named without its folder.
        get_filename_component(adresar "${soubor}" DIRECTORY)
        if(EXISTS "${KOREN}/${adresar}/${cil}")
          continue()
        endif()
        message("${soubor}: includes ${cil}, which lies in no folder of the layer table")
        math(EXPR chyby "${chyby} + 1")
      elseif(NOT slozka_cile IN_LIST dovoleno)
        string(REPLACE ";" " " seznam "${dovoleno}")
        message("${soubor}: includes ${cil} of ${slozka_cile}/; ${vlastnik}/ may include only ${seznam}")
        math(EXPR chyby "${chyby} + 1")
      endif()
    elseif(radek MATCHES "#[ \t]*include[ \t]*<(Q[A-Za-z]*[^>]*)>" AND NOT test)
      if(vlastnik IN_LIST jadra)
        message("${soubor}: the core folder ${vlastnik}/ includes the Qt header ${CMAKE_MATCH_1}")
        math(EXPR chyby "${chyby} + 1")
      endif()
    endif()
  endforeach()
endforeach()

if(pocet EQUAL 0)
  message(FATAL_ERROR "no source file found under ${KOREN}")
endif()
if(chyby GREATER 0)
  message(FATAL_ERROR "${chyby} forbidden include(s) in ${pocet} files")
endif()
message("Layers kept: ${pocet} files checked")
