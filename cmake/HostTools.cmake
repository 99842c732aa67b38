# The tools that run on the build machine, built as a tree of their own
# inside the Windows tree: the skin generator and the splash pictures'
# tool draw their files there, for the program's folder, and append_tool
# makes the encoder's files.
include(ExternalProject)

set(VEXMOOR_HOST_DIR ${CMAKE_BINARY_DIR}/host)
set(VEXMOOR_HOST_SKIN_DIR ${VEXMOOR_HOST_DIR}/skins)
set(VEXMOOR_HOST_SPLASH_DIR ${VEXMOOR_HOST_DIR}/splash)
set(VEXMOOR_HOST_APPEND_TOOL ${VEXMOOR_HOST_DIR}/encoder/append_tool)

ExternalProject_Add(host_tools
  SOURCE_DIR ${PROJECT_SOURCE_DIR}
  BINARY_DIR ${VEXMOOR_HOST_DIR}
  CMAKE_ARGS -DVEXMOOR_HOST_TOOLS=ON -DCMAKE_BUILD_TYPE=Release -DCMAKE_C_COMPILER=clang
             -DCMAKE_CXX_COMPILER=clang++
  # $(MAKE) shares the outer build's job slots.
  BUILD_COMMAND $(MAKE) skins splash_pictures append_tool
  INSTALL_COMMAND ""
  BUILD_ALWAYS ON
  BUILD_BYPRODUCTS ${VEXMOOR_HOST_SPLASH_DIR}/splash-en.bmp ${VEXMOOR_HOST_SPLASH_DIR}/splash-gb.bmp
                   ${VEXMOOR_HOST_APPEND_TOOL})
