# Native tree: portable core with sanitizers, unit tests, and the CTest entries of
# the Wine layers (they run the artifacts of the two cross trees).
enable_testing()

set(TB_SANITIZE -fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=all)
add_compile_options(${TB_SANITIZE})
add_link_options(${TB_SANITIZE})

find_package(GTest REQUIRED)

include(cmake/Core.cmake)
add_subdirectory(tests/unit)

set(TB_WIN_BUILD_DIR "${PROJECT_SOURCE_DIR}/build/win" CACHE PATH "win32-thread cross tree")
set(TB_WINTEST_BUILD_DIR "${PROJECT_SOURCE_DIR}/build/wintest" CACHE PATH "posix-thread cross tree")
include(cmake/WineTests.cmake)
