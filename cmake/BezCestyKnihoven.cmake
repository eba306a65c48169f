# The program and its modules carry no library search path (RPATH or RUNPATH): all they link is
# found in the system's library folders, and an empty entry, such as CMake pads a build-tree
# path with, has the loader try the current folder first: a library lying there would be loaded.
# Run as: cmake -DSOUBORY=<file;file...> -P BezCestyKnihoven.cmake
foreach(soubor IN LISTS SOUBORY)
  file(READ_ELF "${soubor}" RPATH rpath RUNPATH runpath CAPTURE_ERROR chyba)
  if(chyba)
    message(FATAL_ERROR "${soubor}: ${chyba}")
  endif()
  if(NOT "${rpath}" STREQUAL "" OR NOT "${runpath}" STREQUAL "")
    message(FATAL_ERROR "${soubor} carries a library search path: RPATH '${rpath}', RUNPATH '${runpath}'")
  endif()
endforeach()
