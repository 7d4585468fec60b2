# Native tree: portable core with sanitizers, unit tests, and the CTest entries of
# the Wine layers (they run the artifacts of the two cross trees).
enable_testing()

set(TB_SANITIZE -fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=all)
add_compile_options(${TB_SANITIZE})
add_link_options(${TB_SANITIZE})

find_package(GTest REQUIRED)

include(cmake/Core.cmake)
add_subdirectory(cli)
add_subdirectory(tests/unit)
target_link_libraries(unit_tests PRIVATE k42_cli)
add_subdirectory(tests/bench)

# The cross trees whose programs the Wine tests run (x86_64 builds under 64-bit Wine
# where the machine cannot run 32-bit code), and the tree of the shipped i686 programs.
set(TB_WINE_ARCH win32 CACHE STRING "Wine architecture of the test prefixes: win32 or win64")
set(TB_WIN_BUILD_DIR "${PROJECT_SOURCE_DIR}/build/win" CACHE PATH "win32-thread cross tree")
set(TB_WINTEST_BUILD_DIR "${PROJECT_SOURCE_DIR}/build/wintest" CACHE PATH "posix-thread cross tree")
set(TB_SHIP_BUILD_DIR "${PROJECT_SOURCE_DIR}/build/win" CACHE PATH "tree of the shipped programs")
include(cmake/WineTests.cmake)
include(cmake/ShipChecks.cmake)

# The help generator's own code, for its unit tests.
include(tools/helpgen/Sources.cmake)
add_library(helpgen_core STATIC ${TB_HELPGEN_CORE_SOURCES})
tb_target(helpgen_core)
target_link_libraries(unit_tests PRIVATE helpgen_core)
