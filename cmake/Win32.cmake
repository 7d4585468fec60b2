# Cross trees for 32-bit Windows. Shipped programs: subsystem 4.0, static runtime,
# ANSI API only.
add_compile_definitions(WINVER=0x0400 _WIN32_WINNT=0x0400 _WIN32_IE=0x0500 STRICT)
add_link_options(-static -static-libgcc -static-libstdc++
                 -Wl,--major-subsystem-version,4 -Wl,--minor-subsystem-version,0
                 -Wl,--major-os-version,4 -Wl,--minor-os-version,0)

enable_language(RC)

include(cmake/Core.cmake)
add_subdirectory(framework)
add_subdirectory(printer/win32)
add_subdirectory(resources)
add_subdirectory(app)

if(TB_WIN_TESTS)
  # GoogleTest from the Debian sources, built with this tree's compiler.
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
  set(gtest_disable_pthreads OFF CACHE BOOL "" FORCE)
  add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
  add_subdirectory(tests/win)
else()
  add_subdirectory(cli)
  add_subdirectory(help)
  add_subdirectory(tools)
  add_subdirectory(tests/e2e)
  include(cmake/Dist.cmake)
endif()
