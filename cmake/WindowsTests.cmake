# The engine's tests built for Windows, run under Wine by scripts/check-windows.
# GoogleTest is built from its sources (Debian's googletest package). Tests of
# what only POSIX systems do (modes, links, signals, /proc) live in the posix
# folders of tests/ and are left out here.
set(TABULON_GTEST_SOURCES /usr/src/googletest CACHE PATH "GoogleTest's sources")
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
add_subdirectory(${TABULON_GTEST_SOURCES} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
# Whole programs: Wine then needs none of the compiler's DLLs.
add_link_options(-static)
# Windows refuses to shorten the working file while the program holds it, so
# a store cut short underneath it cannot be staged there.
set(TEST_FILTER_input
  --gtest_filter=-ComputePageTotals.CrossesReadsTellsTheLastRowAndReportsAFailedRead)
foreach(folder system core input render export)
  file(GLOB TEST_SOURCES CONFIGURE_DEPENDS tests/${folder}/*.cpp)
  if(NOT TABULON_WORKBOOK)
    list(REMOVE_ITEM TEST_SOURCES ${CMAKE_SOURCE_DIR}/tests/export/ExportWorkbookTest.cpp)
  endif()
  if(TEST_SOURCES)
    add_executable(test_${folder} ${TEST_SOURCES} tests/TestSupport.cpp)
    target_include_directories(test_${folder} PRIVATE tests)
    target_link_libraries(test_${folder} PRIVATE tabulon_engine gtest_main gmock)
    # Wine sees the build machine's root as drive Z:.
    target_compile_definitions(test_${folder} PRIVATE
      TABULON_TEST_DATA="Z:${CMAKE_SOURCE_DIR}/tests/data" TABULON_WORKBOOK=0)
    add_test(NAME ${folder} COMMAND test_${folder} ${TEST_FILTER_${folder}})
  endif()
endforeach()
