# Reads the includes of every source file of the tree and fails when a folder includes a header
# of a folder it must not see, and when a core library links Qt or a window library.
# Run as: cmake -DKOREN=<source dir> -P KontrolaVrstev.cmake
#
# Each rule is "folder:folders it may include"; a folder may always include itself. A file
# belongs to the longest folder of the table that holds it; a file in no folder of the table is
# an error. Includes are resolved as the compiler does (beside the file, then from the root, in
# quotes or angle brackets, through "../"). Tests in <folder>/tests may include what their folder
# may, their folder itself and testsupport/; nothing else includes testsupport/ or another
# folder's tests. The core folders see no Qt header at all, in any spelling.
cmake_minimum_required(VERSION 3.25)

set(pravidla
  "base:"
  "storage:base"
  "questions:base storage"
  "profiles:base storage"
  "results:base storage questions"
  "test:base storage questions"
  "krizovatky:base storage"
  "ui:base storage"
  "questions/gui:base storage questions ui"
  "profiles/gui:base storage profiles questions ui"
  "results/gui:base storage questions results ui"
  "test/gui:base storage questions test ui"
  "info:base storage ui"
  "grafy:ui"
  "hlas:ui"
  "krizovatky/gui:base storage krizovatky ui tools/situace tools/znacky"
  "app:base storage questions profiles results test ui questions/gui profiles/gui results/gui test/gui info krizovatky krizovatky/gui"
  "testsupport:base storage questions test ui"
  "tools/importotazek:base storage questions"
  "tools/kresleni:"
  "tools/pixely:"
  "tools/snimky:base storage questions profiles results test ui questions/gui profiles/gui results/gui test/gui info app krizovatky/gui"
  "tools/znacky:"
  "tools/situace:tools/znacky"
  "tools/krizovatky:base krizovatky tools/situace tools/znacky"
  "bench:base storage questions profiles results test ui questions/gui profiles/gui results/gui test/gui info app testsupport krizovatky tools/situace tools/znacky"
)
set(jadra base storage questions profiles results test krizovatky)

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

# Every source file of the tree, whatever its folder: a file outside the table is an error, so a
# new top-level folder cannot slip past. Build trees, hidden folders and the packaging folder
# hold no source of ours.
set(pripony h hh hpp hxx ipp inl c cc cpp cxx)
set(vzory)
foreach(pripona IN LISTS pripony)
  list(APPEND vzory "*.${pripona}")
endforeach()
file(GLOB horni RELATIVE "${KOREN}" "${KOREN}/*")
set(soubory)
set(cmake_soubory)
foreach(polozka IN LISTS horni)
  if(polozka MATCHES "^(build.*|obj-.*|\\..*|debian)$")
    continue()
  endif()
  if(IS_DIRECTORY "${KOREN}/${polozka}")
    set(globy)
    foreach(vzor IN LISTS vzory)
      list(APPEND globy "${KOREN}/${polozka}/${vzor}")
    endforeach()
    file(GLOB_RECURSE nalezene RELATIVE "${KOREN}" ${globy})
    list(APPEND soubory ${nalezene})
    file(GLOB_RECURSE nalezene RELATIVE "${KOREN}" "${KOREN}/${polozka}/CMakeLists.txt")
    list(APPEND cmake_soubory ${nalezene})
  else()
    foreach(pripona IN LISTS pripony)
      if(polozka MATCHES "\\.${pripona}$")
        list(APPEND soubory ${polozka})
      endif()
    endforeach()
  endif()
endforeach()
list(SORT soubory)

# A Qt header, in any of its spellings: <QString>, <QtCore/QString>, <qstring.h>.
set(qt_hlavicka "^(Q[A-Za-z0-9_]*(/.*)?|Qt[A-Za-z0-9_]*/.*|q[a-z0-9_]*\\.h)$")

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
  get_filename_component(adresar "${soubor}" DIRECTORY)

  file(STRINGS "${KOREN}/${soubor}" radky REGEX "^[ \t]*#[ \t]*include")
  foreach(radek IN LISTS radky)
    if(radek MATCHES "#[ \t]*include[ \t]*\"([^\"]+)\"")
      set(cil ${CMAKE_MATCH_1})
      set(uvozovky ON)
    elseif(radek MATCHES "#[ \t]*include[ \t]*<([^>]+)>")
      set(cil ${CMAKE_MATCH_1})
      set(uvozovky OFF)
    else()
      continue()
    endif()

    # Where the compiler finds it: beside the file first (for quotes), then from the root.
    set(cesta "")
    if(uvozovky AND EXISTS "${KOREN}/${adresar}/${cil}")
      set(cesta "${KOREN}/${adresar}/${cil}")
    elseif(EXISTS "${KOREN}/${cil}")
      set(cesta "${KOREN}/${cil}")
    else()
      string(REGEX MATCH "^[^/]+" prvni "${cil}")
      if(cil MATCHES "/" AND (prvni IN_LIST slozky OR prvni STREQUAL ".."))
        set(cesta "${KOREN}/${cil}")
        if(prvni STREQUAL "..")
          set(cesta "${KOREN}/${adresar}/${cil}")
        endif()
      endif()
    endif()

    if(cesta STREQUAL "")
      if(cil MATCHES "${qt_hlavicka}" AND vlastnik IN_LIST jadra AND NOT test)
        message("${soubor}: the core folder ${vlastnik}/ includes the Qt header ${cil}")
        math(EXPR chyby "${chyby} + 1")
      elseif(uvozovky AND NOT cil MATCHES "${qt_hlavicka}")
        message("${soubor}: includes ${cil}, which lies in no folder of the layer table")
        math(EXPR chyby "${chyby} + 1")
      endif()
      continue()
    endif()

    get_filename_component(cesta "${cesta}" ABSOLUTE)
    file(RELATIVE_PATH relativni "${KOREN}" "${cesta}")
    if(relativni MATCHES "^\\.\\./")
      message("${soubor}: includes ${cil}, which lies outside the source tree")
      math(EXPR chyby "${chyby} + 1")
      continue()
    endif()
    if(relativni MATCHES "/tests/" AND NOT test)
      message("${soubor}: includes the test header ${cil}")
      math(EXPR chyby "${chyby} + 1")
      continue()
    endif()
    slozka_cesty("${relativni}" slozka_cile)
    if(NOT slozka_cile)
      message("${soubor}: includes ${cil}, which lies in no folder of the layer table")
      math(EXPR chyby "${chyby} + 1")
    elseif(NOT slozka_cile IN_LIST dovoleno)
      string(REPLACE ";" " " seznam "${dovoleno}")
      message("${soubor}: includes ${cil} of ${slozka_cile}/; ${vlastnik}/ may include only ${seznam}")
      math(EXPR chyby "${chyby} + 1")
    endif()
  endforeach()
endforeach()

# A core library must not link Qt or a window library either, whatever its headers say.
set(jadrove_knihovny)
set(okenni_knihovny)
foreach(cm IN LISTS cmake_soubory)
  file(READ "${KOREN}/${cm}" obsah)
  string(REGEX MATCHALL "zk_core_library\\([ \t\r\n]*[A-Za-z0-9_]+" nalezy "${obsah}")
  foreach(nalez IN LISTS nalezy)
    string(REGEX REPLACE "^zk_core_library\\([ \t\r\n]*" "" jmeno "${nalez}")
    list(APPEND jadrove_knihovny ${jmeno})
  endforeach()
  string(REGEX MATCHALL "zk_gui_library\\([ \t\r\n]*[A-Za-z0-9_]+" nalezy "${obsah}")
  foreach(nalez IN LISTS nalezy)
    string(REGEX REPLACE "^zk_gui_library\\([ \t\r\n]*" "" jmeno "${nalez}")
    list(APPEND okenni_knihovny ${jmeno})
  endforeach()
endforeach()
foreach(cm IN LISTS cmake_soubory)
  file(READ "${KOREN}/${cm}" obsah)
  string(REGEX MATCHALL "target_link_libraries\\([^)]*\\)" volani "${obsah}")
  foreach(v IN LISTS volani)
    string(REGEX REPLACE "^target_link_libraries\\([ \t\r\n]*([A-Za-z0-9_]+).*" "\\1" cil "${v}")
    if(NOT cil IN_LIST jadrove_knihovny)
      continue()
    endif()
    set(zakazane "")
    if(v MATCHES "Qt[0-9]*::")
      set(zakazane "Qt")
    endif()
    foreach(okenni IN LISTS okenni_knihovny)
      if(v MATCHES "[ \t\r\n]${okenni}([ \t\r\n)]|$)")
        set(zakazane "${okenni}")
      endif()
    endforeach()
    if(zakazane)
      message("${cm}: the core library ${cil} links ${zakazane}")
      math(EXPR chyby "${chyby} + 1")
    endif()
  endforeach()
endforeach()

if(pocet EQUAL 0)
  message(FATAL_ERROR "no source file found under ${KOREN}")
endif()
if(chyby GREATER 0)
  message(FATAL_ERROR "${chyby} forbidden include(s) or link(s) in ${pocet} files")
endif()
message("Layers kept: ${pocet} files checked")
