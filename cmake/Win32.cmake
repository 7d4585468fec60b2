# Cross trees for 32-bit Windows. Shipped programs: subsystem 4.0, static runtime,
# ANSI API only.
add_compile_definitions(WINVER=0x0400 _WIN32_WINNT=0x0400 _WIN32_IE=0x0500 STRICT)
add_link_options(-static -static-libgcc -static-libstdc++
                 -Wl,--major-subsystem-version,4 -Wl,--minor-subsystem-version,0
                 -Wl,--major-os-version,4 -Wl,--minor-os-version,0)

enable_language(RC)

# Release builds of what ships (MinSizeRel, the win and win64 trees): no exceptions or
# RTTI, every function and datum in a section of its own so the linker drops what
# nothing uses, a stripped image, and the lean replacements of the C++ runtime's
# throwing helpers (framework/LeanRuntime.cpp) linked into the two programs.
if(CMAKE_BUILD_TYPE STREQUAL "MinSizeRel")
  set(TB_LEAN_RELEASE ON)
  add_compile_options($<$<COMPILE_LANGUAGE:C,CXX>:-ffunction-sections>
                      $<$<COMPILE_LANGUAGE:C,CXX>:-fdata-sections>
                      $<$<COMPILE_LANGUAGE:CXX>:-fno-exceptions>
                      $<$<COMPILE_LANGUAGE:CXX>:-fno-rtti>)
  # i686 Windows unwinds by frames, not tables; without the tables (which point at
  # every function) the linker can drop the unused functions.
  if(CMAKE_SIZEOF_VOID_P EQUAL 4)
    add_compile_options($<$<COMPILE_LANGUAGE:C,CXX>:-fno-asynchronous-unwind-tables>)
  endif()
  add_link_options(-Wl,--gc-sections -s)
endif()

# The C runtime DLL of the i686 release builds is crtdll.dll, which every Windows 95 and
# NT 4.0 carries; msvcrt.dll, the toolchain's default, is missing from the first Windows 95
# releases. The compiler's own link rules are taken as they are with only that library
# exchanged, so the start-up code and libmingwex link as before (the toolchain's
# libcrtdll.a supplies what crtdll.dll names differently).
if(TB_LEAN_RELEASE AND CMAKE_SIZEOF_VOID_P EQUAL 4)
  execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=libcrtdll.a
                  OUTPUT_VARIABLE tb_crtdll_lib OUTPUT_STRIP_TRAILING_WHITESPACE)
  if(NOT IS_ABSOLUTE "${tb_crtdll_lib}" OR NOT EXISTS "${tb_crtdll_lib}")
    message(FATAL_ERROR "${CMAKE_CXX_COMPILER} has no libcrtdll.a")
  endif()
  # The compiler's link line names -lmsvcrt; a folder searched first holds crtdll's
  # import library under that name.
  set(TB_CRTDLL_LIB_DIR ${CMAKE_BINARY_DIR}/crtdll)
  file(MAKE_DIRECTORY ${TB_CRTDLL_LIB_DIR})
  configure_file(${tb_crtdll_lib} ${TB_CRTDLL_LIB_DIR}/libmsvcrt.a COPYONLY)
endif()

# Marks `target` as one of the shipped programs.
function(tb_shipped target)
  if(TB_LEAN_RELEASE)
    target_sources(${target} PRIVATE $<TARGET_OBJECTS:tb_lean_runtime>)
  endif()
  if(TB_CRTDLL_LIB_DIR)
    target_link_directories(${target} PRIVATE ${TB_CRTDLL_LIB_DIR})
  endif()
endfunction()

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
  add_subdirectory(tools/bench)
  add_subdirectory(tests/e2e)
  include(cmake/Dist.cmake)
endif()
