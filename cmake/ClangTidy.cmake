# Runs clang-tidy, with the checks of the tree's .clang-tidy, beside every
# compile of the targets defined after this file is included; a finding
# fails the compile. The Windows tree's sources are read as MinGW's
# compiler reads them: for its target, with its C++ library.
find_program(VEXMOOR_CLANG_TIDY NAMES clang-tidy-14 clang-tidy REQUIRED)
set(tidy ${VEXMOOR_CLANG_TIDY} --quiet)
if(VEXMOOR_WINDOWS)
  # clang-tidy reads the compile's arguments as they stand and does not
  # open a response file, so the include folders are passed in the open.
  set(CMAKE_CXX_USE_RESPONSE_FILE_FOR_INCLUDES OFF)
  list(APPEND tidy --extra-arg=--target=i686-w64-mingw32 --extra-arg=-nostdinc++)
  foreach(dir IN LISTS CMAKE_CXX_IMPLICIT_INCLUDE_DIRECTORIES)
    if(dir MATCHES "/c\\+\\+")
      list(APPEND tidy --extra-arg=-isystem${dir})
    endif()
  endforeach()
endif()
set(CMAKE_CXX_CLANG_TIDY ${tidy})
