# Install rules: the program, the bank, the pictures and the help, the desktop entry, the
# AppStream metadata and the icons; nothing else (no tests, benchmarks or tools).

set(ZEBROVKA_WEB "https://zebrovka.cz" CACHE STRING
  "The program's web page; the AppStream screenshots are published under <web>/obrazky")
set(zk_plocha ${CMAKE_SOURCE_DIR}/data/plocha)
set(zk_id cz.zebrovka.Zebrovka)

configure_file(${zk_plocha}/${zk_id}.metainfo.xml.in ${CMAKE_BINARY_DIR}/${zk_id}.metainfo.xml @ONLY)

# The PNG sizes of the icon, rendered from the shipped SVG.
set(zk_ikony_png)
foreach(n 16 24 32 48 64 128 256)
  list(APPEND zk_ikony_png ${CMAKE_BINARY_DIR}/ikony/${n}x${n}/apps/${zk_id}.png)
endforeach()
add_custom_command(
  OUTPUT ${zk_ikony_png}
  COMMAND zk_ikony ${zk_plocha}/${zk_id}.svg ${CMAKE_BINARY_DIR}/ikony
  DEPENDS zk_ikony ${zk_plocha}/${zk_id}.svg
  COMMENT "Rendering the icon's PNG sizes"
  VERBATIM)
add_custom_target(zk_ikony_png ALL DEPENDS ${zk_ikony_png})

set(zk_data ${CMAKE_INSTALL_DATADIR}/zebrovka)
install(TARGETS zebrovka RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
# The modules (charts and printing, speech, the drill's scene reader), loaded by the program from
# here when first needed.
install(TARGETS zk_grafy_modul zk_hlas_modul zk_sceny_modul LIBRARY DESTINATION ${ZK_KNIHOVNY})
install(FILES ${CMAKE_BINARY_DIR}/otazky.DB ${CMAKE_BINARY_DIR}/otazky.MB ${CMAKE_BINARY_DIR}/oblasti.DB
  DESTINATION ${zk_data})
install(DIRECTORY ${CMAKE_SOURCE_DIR}/data/grafika ${CMAKE_SOURCE_DIR}/data/Help DESTINATION ${zk_data})
install(FILES ${zk_plocha}/${zk_id}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${CMAKE_BINARY_DIR}/${zk_id}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${zk_plocha}/${zk_id}.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(DIRECTORY ${CMAKE_BINARY_DIR}/ikony/ DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor)
