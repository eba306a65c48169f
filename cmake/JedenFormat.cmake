# Every C++ file of the sources is as clang-format (with the project's .clang-format) leaves it.
# Run with -DKOREN=<source dir> -DCLANG_FORMAT=<program>. The sources are the top-level folders
# that hold a CMakeLists.txt; build folders have none.
file(GLOB slozky LIST_DIRECTORIES true "${KOREN}/*")
set(soubory)
foreach(slozka ${slozky})
  if(IS_DIRECTORY "${slozka}" AND EXISTS "${slozka}/CMakeLists.txt")
    file(GLOB_RECURSE nalezene "${slozka}/*.cpp" "${slozka}/*.h")
    list(APPEND soubory ${nalezene})
  endif()
endforeach()
list(LENGTH soubory pocet)
if(pocet LESS 100)
  message(FATAL_ERROR "Format: only ${pocet} source files found under ${KOREN}")
endif()
execute_process(COMMAND "${CLANG_FORMAT}" --dry-run --Werror ${soubory}
                WORKING_DIRECTORY "${KOREN}" RESULT_VARIABLE vysledek ERROR_VARIABLE hlaseni)
if(NOT vysledek EQUAL 0)
  string(REGEX MATCHALL "[^\n]*: error: code should be clang-formatted[^\n]*" chyby "${hlaseni}")
  list(JOIN chyby "\n" chyby)
  message(FATAL_ERROR "Format: files differ from clang-format's output:\n${chyby}\n"
                      "Run: clang-format -i <file>")
endif()
message(STATUS "Format: ${pocet} files as clang-format leaves them")
