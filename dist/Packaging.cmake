# Installation and the Debian package (`make package`): the two programs in
# /usr/bin, the folder libraries beside them in a private folder found through
# a RUNPATH relative to the program, the desktop entry, the icon, the manual
# pages and bash completion. Depends is computed from the binaries.
include(GNUInstallDirs)
# A private folder under the architecture's: no other program links these, so
# the system's library cache (ldconfig) has no business with them.
set(TABULON_PRIVATE_LIBDIR lib/${CMAKE_LIBRARY_ARCHITECTURE}/tabulon)
get_property(TABULON_FOLDER_LIBRARIES GLOBAL PROPERTY TABULON_LIBRARIES)
set_target_properties(tabulon tabulon-export PROPERTIES
  INSTALL_RPATH "$ORIGIN/../${TABULON_PRIVATE_LIBDIR}")
set_target_properties(${TABULON_FOLDER_LIBRARIES} PROPERTIES INSTALL_RPATH "$ORIGIN")
install(TARGETS tabulon tabulon-export RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(TARGETS ${TABULON_FOLDER_LIBRARIES} LIBRARY DESTINATION ${TABULON_PRIVATE_LIBDIR})

set(DIST ${CMAKE_SOURCE_DIR}/dist)
install(FILES ${DIST}/tabulon.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${DIST}/tabulon.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES ${DIST}/tabulon-export.bash-completion
  DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions RENAME tabulon-export)

# The PNG icons are drawn from the SVG, the one picture of the icon; the window
# takes them as its icon from the program's resources.
find_program(RSVG_CONVERT rsvg-convert REQUIRED)
set(TABULON_ICON_SIZES 16 22 24 32 48 64 128 256)
foreach(size ${TABULON_ICON_SIZES})
  set(png ${CMAKE_BINARY_DIR}/icons/${size}/tabulon.png)
  add_custom_command(OUTPUT ${png}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/icons/${size}
    COMMAND ${RSVG_CONVERT} -w ${size} -h ${size} ${DIST}/tabulon.svg -o ${png}
    DEPENDS ${DIST}/tabulon.svg VERBATIM)
  list(APPEND TABULON_ICON_PNGS ${png})
  install(FILES ${png}
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
endforeach()
qt_add_resources(tabulon tabulon_icons PREFIX /icons BASE ${CMAKE_BINARY_DIR}/icons
  FILES ${TABULON_ICON_PNGS})

# Manual pages: the pages in dist/ are their one source; the version and date
# are filled in and the result compressed as Debian wants it.
string(TIMESTAMP TABULON_MAN_DATE "%Y-%m-%d" UTC)
foreach(page tabulon tabulon-export)
  configure_file(${DIST}/${page}.1.in ${CMAKE_BINARY_DIR}/man/${page}.1 @ONLY)
  add_custom_command(OUTPUT ${CMAKE_BINARY_DIR}/man/${page}.1.gz
    COMMAND gzip -9nf -k ${CMAKE_BINARY_DIR}/man/${page}.1
    DEPENDS ${CMAKE_BINARY_DIR}/man/${page}.1 VERBATIM)
  list(APPEND TABULON_MAN_PAGES ${CMAKE_BINARY_DIR}/man/${page}.1.gz)
endforeach()
add_custom_target(tabulon_man ALL DEPENDS ${TABULON_MAN_PAGES})
install(FILES ${TABULON_MAN_PAGES} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

# Debian wants a copyright file and a compressed changelog in the package's
# documentation folder.
add_custom_command(OUTPUT ${CMAKE_BINARY_DIR}/changelog.gz
  COMMAND gzip -9n -c ${DIST}/changelog > ${CMAKE_BINARY_DIR}/changelog.gz
  DEPENDS ${DIST}/changelog VERBATIM)
add_custom_target(tabulon_changelog ALL DEPENDS ${CMAKE_BINARY_DIR}/changelog.gz)
install(FILES ${DIST}/copyright ${CMAKE_BINARY_DIR}/changelog.gz
  DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/tabulon)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tabulon)
set(CPACK_PACKAGE_VENDOR "Vornak Software")
set(CPACK_PACKAGE_CONTACT "Vornak Software <destek@vornak.com.tr>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Turkish report viewer for business programs' reports")
# CPack puts the summary above this, as the description's first line.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
  "Tabulon shows the plain-text reports that business programs write page by
page, with boxed column titles, page and cumulative totals, prints them,
exports CSV, comma- and tab-separated text and spreadsheet workbooks, and
changes their page setup. tabulon-export does the same without a window.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS_PRIVATE_DIRS ${CMAKE_BINARY_DIR})
# The fonts the default page setup asks for by name.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n")
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
  OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(CPACK_OUTPUT_FILE_PREFIX ${CMAKE_BINARY_DIR})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
include(CPack)
