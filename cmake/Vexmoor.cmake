# Helpers shared by the folders of the project.
#
# Each top-level folder of the product is one layer, built as one static
# library that links exactly the layers below it. A layer's headers are
# reachable only through a folder of its own in the build tree that holds a
# link to the layer's sources, so a file can include the headers of the
# layers its library links and no others: an include that reaches up or
# sideways fails to build.
#
# A layer has portable sources (no <windows.h>) and Win32 sources. The
# Windows tree builds both; the native tree builds the portable ones twice,
# as <layer> for the tools and benchmarks and as <layer>_checked under
# AddressSanitizer and UBSan for the tests (not in a tree of the build
# machine's tools alone, which has no tests).

set(VEXMOOR_SANITIZE_FLAGS -fsanitize=address,undefined -fno-sanitize-recover=undefined
    -fno-omit-frame-pointer)
set(VEXMOOR_LAYER_ROOT ${CMAKE_BINARY_DIR}/layers)

# The include folder through which the top-level folder `folder` of the
# source tree is reached as "folder/...".
function(vexmoor_include_root folder out)
  set(root ${VEXMOOR_LAYER_ROOT}/${folder})
  if(NOT EXISTS ${root}/${folder})
    file(MAKE_DIRECTORY ${root})
    file(CREATE_LINK ${PROJECT_SOURCE_DIR}/${folder} ${root}/${folder} SYMBOLIC)
  endif()
  set(${out} ${root} PARENT_SCOPE)
endfunction()

# vexmoor_layer(NAME [PORTABLE sources...] [WIN32 sources...]
#               [DEPENDS layers...] [SYSTEM_LIBS libraries...])
# NAME is the layer's folder. DEPENDS lists the layers directly below it;
# in the native tree those without portable sources drop out.
function(vexmoor_layer name)
  cmake_parse_arguments(arg "" "" "PORTABLE;WIN32;DEPENDS;SYSTEM_LIBS" ${ARGN})
  list(TRANSFORM arg_PORTABLE PREPEND ${CMAKE_CURRENT_SOURCE_DIR}/)
  list(TRANSFORM arg_WIN32 PREPEND ${CMAKE_CURRENT_SOURCE_DIR}/)
  set_property(GLOBAL PROPERTY VEXMOOR_PORTABLE_SOURCES_${name} ${arg_PORTABLE})
  file(RELATIVE_PATH folder ${PROJECT_SOURCE_DIR} ${CMAKE_CURRENT_SOURCE_DIR})
  vexmoor_include_root(${folder} include_root)

  if(VEXMOOR_WINDOWS)
    add_library(${name} STATIC ${arg_PORTABLE} ${arg_WIN32})
    target_include_directories(${name} PUBLIC ${include_root})
    target_link_libraries(${name} PUBLIC ${arg_DEPENDS} ${arg_SYSTEM_LIBS})
    return()
  endif()
  if(NOT arg_PORTABLE)
    return()
  endif()
  set(depends)
  foreach(layer IN LISTS arg_DEPENDS)
    if(TARGET ${layer})
      list(APPEND depends ${layer})
    endif()
  endforeach()
  add_library(${name} STATIC ${arg_PORTABLE})
  target_include_directories(${name} PUBLIC ${include_root})
  target_link_libraries(${name} PUBLIC ${depends})
  if(VEXMOOR_HOST_TOOLS)
    return()
  endif()

  list(TRANSFORM depends APPEND _checked)
  add_library(${name}_checked STATIC ${arg_PORTABLE})
  target_include_directories(${name}_checked PUBLIC ${include_root})
  target_compile_options(${name}_checked PUBLIC ${VEXMOOR_SANITIZE_FLAGS})
  target_link_options(${name}_checked PUBLIC ${VEXMOOR_SANITIZE_FLAGS})
  target_link_libraries(${name}_checked PUBLIC ${depends})
endfunction()

# The portable sources of the given layers, for a program that builds them
# once more with instrumentation of its own (the fuzzer).
function(vexmoor_portable_sources_of out)
  set(sources)
  foreach(layer IN LISTS ARGN)
    get_property(layer_sources GLOBAL PROPERTY VEXMOOR_PORTABLE_SOURCES_${layer})
    list(APPEND sources ${layer_sources})
  endforeach()
  set(${out} ${sources} PARENT_SCOPE)
endfunction()

# Tests and tools are no layer: they reach "tests/..." and "tools/..." and,
# through the libraries they link, the layers they use.
function(vexmoor_test_includes target)
  vexmoor_include_root(tests tests_root)
  vexmoor_include_root(tools tools_root)
  target_include_directories(${target} PUBLIC ${tests_root} ${tools_root})
endfunction()

# vexmoor_native_test(NAME SOURCES... [LAYERS layers...] [LIBS libraries...]):
# a GoogleTest program of portable code, built under the sanitizers with the
# checked variant of each layer, and registered as one test.
function(vexmoor_native_test name)
  cmake_parse_arguments(arg "" "" "SOURCES;LAYERS;LIBS" ${ARGN})
  list(TRANSFORM arg_LAYERS APPEND _checked)
  add_executable(${name} ${arg_SOURCES})
  vexmoor_test_includes(${name})
  target_compile_options(${name} PRIVATE ${VEXMOOR_SANITIZE_FLAGS})
  target_link_options(${name} PRIVATE ${VEXMOOR_SANITIZE_FLAGS})
  target_link_libraries(${name} PRIVATE ${arg_LIBS} ${arg_LAYERS} GTest::gtest_main)
  add_test(NAME native.${name} COMMAND ${name} --gtest_brief=1)
endfunction()

# The tests share one Wine desktop and one X display. Two tests with windows
# at once would take the foreground from each other (a form shown then
# never becomes active) and cover each other's pixels, so tests that show
# windows run one at a time; the others still run beside them.
function(vexmoor_shows_windows test)
  set_tests_properties(${test} PROPERTIES RESOURCE_LOCK wine_desktop)
endfunction()

# vexmoor_windows_test(NAME SOURCES... [LIBS ...] [TIMEOUT seconds] [TIMING]
# [WINDOWLESS]): a GoogleTest program for Windows, run under Wine and
# registered as one test. TIMING marks a test that measures time (processor
# or wall clock): it carries the label "timing" and is run a second time
# when it fails, since a loaded machine can stretch any measurement. Every
# other test fails on its first failure. WINDOWLESS marks a test that shows
# no window, which may run beside those that do.
function(vexmoor_windows_test name)
  cmake_parse_arguments(arg "TIMING;WINDOWLESS" "TIMEOUT" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${arg_SOURCES})
  vexmoor_test_includes(${name})
  target_link_libraries(${name} PRIVATE test_support ${arg_LIBS} GTest::gtest_main)
  if(arg_TIMING)
    add_test(NAME win32.${name}
             COMMAND bash ${PROJECT_SOURCE_DIR}/tools/retry-once.sh
                     ${PROJECT_SOURCE_DIR}/tools/wine-run.sh $<TARGET_FILE:${name}> --gtest_brief=1)
    set_tests_properties(win32.${name} PROPERTIES LABELS timing)
  else()
    add_test(NAME win32.${name} COMMAND ${name} --gtest_brief=1)
  endif()
  if(arg_TIMEOUT)
    set_tests_properties(win32.${name} PROPERTIES TIMEOUT ${arg_TIMEOUT})
  endif()
  if(NOT arg_WINDOWLESS)
    vexmoor_shows_windows(win32.${name})
  endif()
endfunction()

# vexmoor_fuzzer(NAME SOURCES... LAYERS layers... [LIBS libraries...]
#                [SEEDS folders...] [SEEDS_FIXTURE fixture] [SECONDS seconds]):
# a libFuzzer program that builds the portable sources of the layers once
# more with coverage instrumentation, and a short run of it registered as
# the test native.NAME. The run starts from the seed folders (read only) and
# keeps what it learns in the build tree's fuzz/NAME/corpus; a crash is written
# there too. SEEDS_FIXTURE names the CTest fixture that writes generated
# seeds. tools/fuzz.sh runs the same tests for as long as it is told.
set(VEXMOOR_FUZZ_FLAGS -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=undefined
    -fno-omit-frame-pointer)
function(vexmoor_fuzzer name)
  cmake_parse_arguments(arg "" "SEEDS_FIXTURE;SECONDS" "SOURCES;LAYERS;LIBS;SEEDS" ${ARGN})
  if(NOT arg_SECONDS)
    set(arg_SECONDS 20)
  endif()
  vexmoor_portable_sources_of(layer_sources ${arg_LAYERS})
  add_executable(${name} ${arg_SOURCES} ${layer_sources})
  foreach(layer IN LISTS arg_LAYERS)
    target_include_directories(${name} PRIVATE ${VEXMOOR_LAYER_ROOT}/${layer})
  endforeach()
  vexmoor_test_includes(${name})
  target_compile_options(${name} PRIVATE ${VEXMOOR_FUZZ_FLAGS})
  target_link_options(${name} PRIVATE ${VEXMOOR_FUZZ_FLAGS})
  target_link_libraries(${name} PRIVATE ${arg_LIBS})
  set(work ${CMAKE_CURRENT_BINARY_DIR}/fuzz/${name})
  add_test(NAME native.${name}
           COMMAND bash ${PROJECT_SOURCE_DIR}/tools/run-fuzzer.sh $<TARGET_FILE:${name}>
                   ${arg_SECONDS} ${work} ${arg_SEEDS})
  set_tests_properties(native.${name} PROPERTIES LABELS fuzz)
  if(arg_SEEDS_FIXTURE)
    set_tests_properties(native.${name} PROPERTIES FIXTURES_REQUIRED ${arg_SEEDS_FIXTURE})
  endif()
endfunction()
