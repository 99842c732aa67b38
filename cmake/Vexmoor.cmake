# Helpers shared by the folders of the project.
#
# Portable sources (no <windows.h>) from every folder form one library,
# built in both trees; in the native tree a second copy is built under
# AddressSanitizer and UBSan for the tests. Win32 sources form a second
# library in the cross tree.

set(VEXMOOR_SANITIZE_FLAGS -fsanitize=address,undefined -fno-sanitize-recover=undefined
    -fno-omit-frame-pointer)

function(vexmoor_append_sources property)
  foreach(source IN LISTS ARGN)
    get_filename_component(path ${source} ABSOLUTE)
    set_property(GLOBAL APPEND PROPERTY ${property} ${path})
  endforeach()
endfunction()

function(vexmoor_portable_sources)
  vexmoor_append_sources(VEXMOOR_PORTABLE_SOURCES ${ARGN})
endfunction()

function(vexmoor_win32_sources)
  vexmoor_append_sources(VEXMOOR_WIN32_SOURCES ${ARGN})
endfunction()

function(vexmoor_create_libraries)
  get_property(portable GLOBAL PROPERTY VEXMOOR_PORTABLE_SOURCES)
  add_library(vexmoor_portable STATIC ${portable})
  target_include_directories(vexmoor_portable PUBLIC ${PROJECT_SOURCE_DIR})

  if(VEXMOOR_WINDOWS)
    get_property(win32 GLOBAL PROPERTY VEXMOOR_WIN32_SOURCES)
    add_library(vexmoor_win32 STATIC ${win32})
    target_link_libraries(vexmoor_win32 PUBLIC vexmoor_portable comctl32 comdlg32 shell32 ole32
                          uuid gdi32 user32 kernel32)
  else()
    add_library(vexmoor_portable_checked STATIC ${portable})
    target_include_directories(vexmoor_portable_checked PUBLIC ${PROJECT_SOURCE_DIR})
    target_compile_options(vexmoor_portable_checked PUBLIC ${VEXMOOR_SANITIZE_FLAGS})
    target_link_options(vexmoor_portable_checked PUBLIC ${VEXMOOR_SANITIZE_FLAGS})
  endif()
endfunction()

# vexmoor_native_test(NAME SOURCES... [LIBS ...]): a GoogleTest program of
# portable code, built under the sanitizers and registered as one test.
function(vexmoor_native_test name)
  cmake_parse_arguments(arg "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${arg_SOURCES})
  target_link_libraries(${name} PRIVATE vexmoor_portable_checked GTest::gtest_main ${arg_LIBS})
  add_test(NAME native.${name} COMMAND ${name} --gtest_brief=1)
endfunction()

# vexmoor_windows_test(NAME SOURCES... [LIBS ...] [TIMEOUT seconds]): a
# GoogleTest program for Windows, run under Wine and registered as one test.
function(vexmoor_windows_test name)
  cmake_parse_arguments(arg "" "TIMEOUT" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${arg_SOURCES})
  target_link_libraries(${name} PRIVATE vexmoor_win32 GTest::gtest_main ${arg_LIBS})
  add_test(NAME win32.${name} COMMAND ${name} --gtest_brief=1)
  if(arg_TIMEOUT)
    set_tests_properties(win32.${name} PROPERTIES TIMEOUT ${arg_TIMEOUT})
  endif()
endfunction()
