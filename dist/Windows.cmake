# The programs on Windows, ready for a Qt for Windows that this machine does
# not have: untested. The window starts without a console; its icon is drawn
# from the SVG into an .ico (rsvg-convert and icotool, where both are found)
# and compiled in as the program's resource; installing gathers Qt's DLLs
# beside the programs with windeployqt.
set_target_properties(tabulon PROPERTIES WIN32_EXECUTABLE ON)

find_program(RSVG_CONVERT rsvg-convert)
find_program(ICOTOOL icotool)
if(RSVG_CONVERT AND ICOTOOL)
  set(ico ${CMAKE_BINARY_DIR}/tabulon.ico)
  foreach(size 16 32 48 256)
    set(png ${CMAKE_BINARY_DIR}/ico/${size}.png)
    add_custom_command(OUTPUT ${png}
      COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/ico
      COMMAND ${RSVG_CONVERT} -w ${size} -h ${size} ${CMAKE_SOURCE_DIR}/dist/tabulon.svg -o ${png}
      DEPENDS ${CMAKE_SOURCE_DIR}/dist/tabulon.svg VERBATIM)
    list(APPEND ico_pngs ${png})
  endforeach()
  add_custom_command(OUTPUT ${ico} COMMAND ${ICOTOOL} -c -o ${ico} ${ico_pngs}
    DEPENDS ${ico_pngs} VERBATIM)
  file(WRITE ${CMAKE_BINARY_DIR}/tabulon.rc "1 ICON \"${ico}\"\n")
  set_source_files_properties(${CMAKE_BINARY_DIR}/tabulon.rc PROPERTIES OBJECT_DEPENDS ${ico})
  target_sources(tabulon PRIVATE ${CMAKE_BINARY_DIR}/tabulon.rc)
else()
  message(STATUS "No rsvg-convert and icotool: tabulon.exe gets no icon of its own")
endif()

install(TARGETS tabulon tabulon-export RUNTIME DESTINATION .)
find_program(WINDEPLOYQT windeployqt HINTS ${Qt6_DIR}/../../../bin)
if(WINDEPLOYQT)
  install(CODE "execute_process(COMMAND \"${WINDEPLOYQT}\" --no-translations
    \"\${CMAKE_INSTALL_PREFIX}/tabulon.exe\" \"\${CMAKE_INSTALL_PREFIX}/tabulon-export.exe\")")
endif()
