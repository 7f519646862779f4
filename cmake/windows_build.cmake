# The Windows programs, cross-compiled with MinGW-w64 into <build>/windows
# (bin/ holds Ornel.exe, Pat95.exe and the test programs), and their tests
# run under Wine by this build's CTest with the label `windows`.
#
# On by default when the cross compiler and Wine are installed (./test.sh
# installs them); the sanitizer build leaves it out.
find_program(ORNEL_MINGW_CXX NAMES x86_64-w64-mingw32-g++-posix)
find_program(ORNEL_WINE NAMES wine)
if(ORNEL_MINGW_CXX AND ORNEL_WINE AND NOT ORNEL_SANITIZE)
  set(windows_default ON)
else()
  set(windows_default OFF)
endif()
option(ORNEL_WINDOWS "Build the Windows programs and test them under Wine" ${windows_default})
if(NOT ORNEL_WINDOWS)
  message(STATUS "Windows build: off")
  return()
endif()

include(ExternalProject)
cmake_host_system_information(RESULT cores QUERY NUMBER_OF_LOGICAL_CORES)
set(windows_dir ${CMAKE_BINARY_DIR}/windows)
ExternalProject_Add(ornel_windows
  SOURCE_DIR ${CMAKE_SOURCE_DIR}
  BINARY_DIR ${windows_dir}
  CMAKE_GENERATOR ${CMAKE_GENERATOR}
  CMAKE_ARGS -DCMAKE_TOOLCHAIN_FILE=${CMAKE_SOURCE_DIR}/cmake/mingw-w64.cmake
             -DCMAKE_BUILD_TYPE=${CMAKE_BUILD_TYPE}
  BUILD_COMMAND ${CMAKE_COMMAND} --build <BINARY_DIR> -j ${cores}
  BUILD_ALWAYS ON
  INSTALL_COMMAND "")

# One Wine prefix per build directory, made by the first run; one
# wineserver for the whole run; the programs one after another, since they
# share Wine's desktop.
set(wine_run ${CMAKE_SOURCE_DIR}/tests/windows/wine_run.sh)
set(wine_prefix ${CMAKE_BINARY_DIR}/wineprefix)
add_test(NAME windows.start COMMAND ${wine_run} start ${wine_prefix})
add_test(NAME windows.stop COMMAND ${wine_run} stop ${wine_prefix})
set_tests_properties(windows.start PROPERTIES FIXTURES_SETUP wine LABELS windows TIMEOUT 120)
set_tests_properties(windows.stop PROPERTIES FIXTURES_CLEANUP wine LABELS windows)
file(GLOB windows_areas LIST_DIRECTORIES true ${CMAKE_SOURCE_DIR}/tests/windows/*)
set(windows_programs conformance)
foreach(area_dir IN LISTS windows_areas)
  if(IS_DIRECTORY ${area_dir})
    get_filename_component(area ${area_dir} NAME)
    list(APPEND windows_programs ${area})
  endif()
endforeach()
foreach(area IN LISTS windows_programs)
  add_test(NAME windows.${area} COMMAND ${wine_run} run ${wine_prefix} ${windows_dir}/bin/wintest_${area}.exe)
  set_tests_properties(windows.${area} PROPERTIES FIXTURES_REQUIRED wine RESOURCE_LOCK wine_desktop
                       LABELS windows TIMEOUT 170)
endforeach()
