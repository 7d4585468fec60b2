# CTest entries of the win and e2e labels: programs of the cross trees run under Wine.
# Before the first Wine test a fixture makes two fresh prefixes, one playing Windows 98
# and one Windows XP, each with the printer "Varo Corvane K42" on LPT1: spooling into a
# Unix file; after the last one it ends their wineservers. The later Windows versions
# (TB_VERSION_MODES) have such a prefix each too, made only for the tests of that
# version (fixture wine_prefix_MODE). A resource lock runs the Wine tests one at a time
# (a prefix's server and spooler are shared state).

set(TB_WINE_DIR ${CMAKE_BINARY_DIR}/wine)
set(TB_WINE_TOOLS ${PROJECT_SOURCE_DIR}/tools)
set(TB_WINE_MODES win98 winxp)
# Windows Me, 2000, 7 and 10 run the scenarios that differ by version. win10x64 is a
# 64-bit Windows 10 running the i686 programs through WOW64: it needs a machine that runs
# 32-bit code (elsewhere every prefix is 64-bit and runs the x86_64 builds).
set(TB_VERSION_MODES winme win2k win7 win10)
if(TB_WINE_ARCH STREQUAL "win32")
  list(APPEND TB_VERSION_MODES win10x64)
endif()
# The Windows family (platform id of the version information) and the help format of
# each mode: Windows Help for Windows 95 and NT 4.0, HTML Help for every later version.
foreach(mode win95 win98 winme nt40 win2k winxp win7 win10 win10x64)
  if(mode MATCHES "^win(95|98|me)$")
    set(TB_PLATFORM_ID_${mode} 1) # VER_PLATFORM_WIN32_WINDOWS
  else()
    set(TB_PLATFORM_ID_${mode} 2) # VER_PLATFORM_WIN32_NT
  endif()
  if(mode MATCHES "^(win95|nt40)$")
    set(TB_HELP_KIND_${mode} hlp)
  else()
    set(TB_HELP_KIND_${mode} chm)
  endif()
endforeach()
set(TB_K42_PRINTER "Varo Corvane K42")
set(TB_WINE_ENVIRONMENT
    TB_WINE_ARCH=${TB_WINE_ARCH}
    TB_WINE_CACHE=${TB_WINE_DIR}/cache
    TB_ADDPRINTER=${TB_WIN_BUILD_DIR}/tools/addprinter.exe)

# Per mode: TB_WINE_PREFIX_<mode>, and TB_K42_JOBS_<mode>, the file the printer's jobs
# land in (each job replaces the previous one).
foreach(mode IN LISTS TB_WINE_MODES TB_VERSION_MODES)
  set(TB_WINE_PREFIX_${mode} ${TB_WINE_DIR}/${mode})
  set(TB_K42_JOBS_${mode} ${TB_WINE_DIR}/${mode}-k42-jobs.bin)
  set(fixtures wine_prefix_${mode})
  if(mode IN_LIST TB_WINE_MODES)
    list(APPEND fixtures wine_prefixes)
  endif()

  add_test(NAME wine_prefix_${mode}
           COMMAND ${TB_WINE_TOOLS}/make-prefix ${TB_WINE_PREFIX_${mode}} ${mode}
                   --printer ${TB_K42_PRINTER} ${TB_K42_PRINTER} LPT1: ${TB_K42_JOBS_${mode}})
  add_test(NAME wine_stop_${mode} COMMAND ${TB_WINE_TOOLS}/wine-run --stop ${TB_WINE_PREFIX_${mode}})
  set_tests_properties(wine_prefix_${mode} PROPERTIES FIXTURES_SETUP "${fixtures}" TIMEOUT 180)
  set_tests_properties(wine_stop_${mode} PROPERTIES FIXTURES_CLEANUP "${fixtures}" TIMEOUT 30)
  set_tests_properties(wine_prefix_${mode} wine_stop_${mode} PROPERTIES
                       LABELS "win;e2e" RESOURCE_LOCK wine ENVIRONMENT "${TB_WINE_ENVIRONMENT}")
endforeach()

# Windows path (drive Z:) of a Unix path, for arguments of Windows programs.
function(tb_winpath out path)
  string(REPLACE "/" "\\" windows "${path}")
  set(${out} "Z:${windows}" PARENT_SCOPE)
endfunction()

# A test that needs the prefixes (the Windows 98 and XP ones, or the one of MODE):
# tb_wine_test(NAME LABEL win|e2e [MODE mode] [TIMEOUT s] COMMAND ...).
function(tb_wine_test name)
  cmake_parse_arguments(arg "" "LABEL;MODE;TIMEOUT" "COMMAND" ${ARGN})
  if(NOT arg_TIMEOUT)
    set(arg_TIMEOUT 60)
  endif()
  set(fixture wine_prefixes)
  if(arg_MODE AND NOT arg_MODE IN_LIST TB_WINE_MODES)
    set(fixture wine_prefix_${arg_MODE})
  endif()
  add_test(NAME ${name} COMMAND ${arg_COMMAND})
  set_tests_properties(${name} PROPERTIES LABELS ${arg_LABEL} FIXTURES_REQUIRED ${fixture}
                       RESOURCE_LOCK wine TIMEOUT ${arg_TIMEOUT}
                       ENVIRONMENT "${TB_WINE_ENVIRONMENT}")
endfunction()

# A Windows program run in the prefix of MODE; it passes with exit code 0:
# tb_wine_run(NAME LABEL win|e2e MODE win98|winxp [TIMEOUT s] EXE exe [ARGS ...]).
function(tb_wine_run name)
  cmake_parse_arguments(arg "" "LABEL;MODE;TIMEOUT;EXE" "ARGS" ${ARGN})
  if(NOT arg_TIMEOUT)
    set(arg_TIMEOUT 60)
  endif()
  # The program's own time-out ends it before CTest's, so its server stays usable.
  math(EXPR inner "${arg_TIMEOUT} - 10")
  tb_wine_test(${name} LABEL ${arg_LABEL} MODE ${arg_MODE} TIMEOUT ${arg_TIMEOUT}
               COMMAND ${TB_WINE_TOOLS}/wine-run -t ${inner} ${TB_WINE_PREFIX_${arg_MODE}}
                       ${arg_EXE} ${arg_ARGS})
endfunction()

set(TB_E2E_BIN ${TB_WIN_BUILD_DIR}/tests/e2e)
tb_winpath(e2e_target ${TB_E2E_BIN}/e2e_target.exe)
foreach(mode IN LISTS TB_WINE_MODES)
  tb_wine_run(win_tests_${mode} LABEL win MODE ${mode} TIMEOUT 300
              EXE ${TB_WINTEST_BUILD_DIR}/tests/win/win_tests.exe)
  tb_wine_run(e2e_round_trip_${mode} LABEL e2e MODE ${mode}
              EXE ${TB_E2E_BIN}/e2e_driver.exe ARGS ${e2e_target} ${TB_PLATFORM_ID_${mode}})
  tb_wine_test(e2e_print_to_file_${mode} LABEL e2e
               COMMAND ${PROJECT_SOURCE_DIR}/tests/e2e/print-to-file ${TB_WINE_PREFIX_${mode}}
                       ${TB_K42_PRINTER} ${TB_K42_JOBS_${mode}} ${TB_E2E_BIN}/sendraw.exe)
endforeach()

# TBK42 driven from outside by tbk42_driver.exe: the start-up on both families, then on
# Windows XP the single instance, the printer selection (prefixes of its own under
# TB_E2E_WORK), the send and the settings files.
set(TB_TBK42_DRIVER ${TB_E2E_BIN}/tbk42_driver.exe)
set(TB_TBK42 ${TB_WIN_BUILD_DIR}/app/TBK42.EXE)
set(TB_E2E_WORK ${TB_WINE_DIR}/e2e)
set(TB_E2E_SCRIPTS ${PROJECT_SOURCE_DIR}/tests/e2e)
tb_winpath(tbk42_exe ${TB_TBK42})
tb_winpath(k42_jobs_winxp ${TB_K42_JOBS_winxp})
foreach(mode IN LISTS TB_WINE_MODES)
  tb_wine_run(e2e_tbk42_startup_${mode} LABEL e2e MODE ${mode}
              EXE ${TB_TBK42_DRIVER} ARGS startup ${tbk42_exe} ${TB_PLATFORM_ID_${mode}})
endforeach()
tb_wine_run(e2e_tbk42_menu LABEL e2e MODE winxp
            EXE ${TB_TBK42_DRIVER} ARGS open-menu ${tbk42_exe} M 0)
tb_wine_run(e2e_tbk42_send LABEL e2e MODE winxp
            EXE ${TB_TBK42_DRIVER} ARGS send ${tbk42_exe} ${k42_jobs_winxp})
tb_wine_test(e2e_tbk42_single_instance LABEL e2e
             COMMAND ${TB_E2E_SCRIPTS}/tbk42-single ${TB_WINE_PREFIX_winxp}
                     ${TB_E2E_WORK}/single ${TB_TBK42_DRIVER} ${TB_TBK42})
# Seven prefixes and eight scenarios, each step with a time-out of its own (a prefix at
# most ~4 min, a scenario 40 s): CTest's limit only guards against a hang beyond those.
# Unloaded the test takes ~35 s; on two busy shared cores it has taken over 180 s.
tb_wine_test(e2e_tbk42_printers LABEL e2e TIMEOUT 600
             COMMAND ${TB_E2E_SCRIPTS}/tbk42-printers ${TB_E2E_WORK}/printers ${TB_TBK42_DRIVER}
                     ${TB_TBK42})
tb_wine_test(e2e_tbk42_files LABEL e2e
             COMMAND ${TB_E2E_SCRIPTS}/tbk42-files ${TB_WINE_PREFIX_winxp} ${TB_E2E_WORK}/files
                     ${TB_TBK42_DRIVER} ${TB_TBK42})

# The scenarios that differ by Windows version, in the prefix of each later version: the
# start-up notice of its family, the send, F1 with the help format of the version and
# K42.EXE's send (both programs open the printer by the family's rule). Windows 98 and
# XP run them above, 95 and NT 4.0 the help in prefixes of their own below.
foreach(mode IN LISTS TB_VERSION_MODES)
  tb_winpath(jobs ${TB_K42_JOBS_${mode}})
  tb_wine_run(e2e_tbk42_startup_${mode} LABEL e2e MODE ${mode}
              EXE ${TB_TBK42_DRIVER} ARGS startup ${tbk42_exe} ${TB_PLATFORM_ID_${mode}})
  tb_wine_run(e2e_tbk42_send_${mode} LABEL e2e MODE ${mode}
              EXE ${TB_TBK42_DRIVER} ARGS send ${tbk42_exe} ${jobs})
  tb_wine_run(e2e_tbk42_help_${mode} LABEL e2e MODE ${mode}
              EXE ${TB_TBK42_DRIVER} ARGS help-opens ${tbk42_exe} ${TB_HELP_KIND_${mode}})
  tb_wine_test(e2e_k42_send_${mode} LABEL e2e MODE ${mode}
               COMMAND ${TB_E2E_SCRIPTS}/k42-send ${TB_WINE_PREFIX_${mode}} ${TB_K42_PRINTER}
                       ${TB_K42_JOBS_${mode}} ${TB_WIN_BUILD_DIR}/cli/win32/k42.exe
                       $<TARGET_FILE:k42>)
endforeach()
if(NOT TB_WINE_ARCH STREQUAL "win32")
  # Said once in the test output rather than dropped without a word.
  add_test(NAME e2e_win10x64_wow64 COMMAND sh -c
           "echo 'the i686 programs under WOW64 need a machine that runs 32-bit code'; exit 77")
  set_tests_properties(e2e_win10x64_wow64 PROPERTIES LABELS e2e SKIP_RETURN_CODE 77)
endif()

# Help: F1 in one prefix per Windows version (prefixes of its own under TB_E2E_WORK), and
# the help files of the shipped tree read with chmls.
tb_wine_test(e2e_tbk42_help LABEL e2e TIMEOUT 300
             COMMAND ${TB_E2E_SCRIPTS}/tbk42-help ${TB_E2E_WORK}/help ${TB_TBK42_DRIVER} ${TB_TBK42})
# K42.EXE, the command line: send to two printers of prefixes of its own (Windows XP and
# 98) and the Japanese labels of show in CP932.
tb_wine_test(e2e_k42_wine LABEL e2e TIMEOUT 400
             COMMAND ${TB_E2E_SCRIPTS}/k42-wine ${TB_E2E_WORK}/k42 ${TB_WIN_BUILD_DIR}/cli/win32/k42.exe)
add_test(NAME help_files COMMAND ${TB_E2E_SCRIPTS}/help-files ${TB_SHIP_BUILD_DIR}/app)
set_tests_properties(help_files PROPERTIES LABELS e2e)
# The distribution disk's floppy image of the shipped tree, read back with mtools.
add_test(NAME dist_disk_image COMMAND ${TB_E2E_SCRIPTS}/disk-image
                                       ${TB_SHIP_BUILD_DIR}/TBK42-DISK.IMG ${TB_SHIP_BUILD_DIR}/dist)
set_tests_properties(dist_disk_image PROPERTIES LABELS e2e)

# TBSetup driven from outside by tbsetup_driver.exe, each script in a prefix and on a
# copy of the distribution disk of its own under TB_E2E_WORK: the whole installation
# and uninstallation on every Windows version (on Windows 95 the help key differs, on
# 64-bit Windows the install folder and the registry view), a source tree
# with subfolders, the refused paths and drives, the start-up and its setup
# information, a title of the greatest length, installations that cannot finish.
set(TB_TBSETUP_DRIVER ${TB_E2E_BIN}/tbsetup_driver.exe)
set(TB_DIST ${TB_WIN_BUILD_DIR}/dist)
set(TB_DIST_TBK42 ${TB_WIN_BUILD_DIR}/dist-parts/TBK42.EXE)
set(tbsetup_cases lifecycle:win95 lifecycle:win98 lifecycle:winxp tree:win98 tree:winxp
    refusals:win98 refusals:winxp start:win95 start:win98 start:winxp long-title:win98
    long-title:winxp failures:win98 failures:winxp bad-disk:win98 bad-disk:winxp)
list(TRANSFORM TB_VERSION_MODES PREPEND lifecycle: OUTPUT_VARIABLE lifecycles)
list(APPEND tbsetup_cases ${lifecycles})
foreach(case IN LISTS tbsetup_cases)
  string(REPLACE ":" ";" parts ${case})
  list(GET parts 0 script)
  list(GET parts 1 mode)
  set(arguments ${mode} ${TB_E2E_WORK}/tbsetup-${script}-${mode} ${TB_TBSETUP_DRIVER}
      ${TB_DIST})
  if(NOT script MATCHES "^(refusals|start)$")
    list(APPEND arguments ${TB_DIST_TBK42})
  endif()
  string(REPLACE "-" "_" name ${script})
  set(timeout 240)
  if(script STREQUAL "lifecycle")
    set(timeout 400) # its installation may take 120 s of its own
  endif()
  tb_wine_test(e2e_tbsetup_${name}_${mode} LABEL e2e TIMEOUT ${timeout}
               COMMAND ${TB_E2E_SCRIPTS}/tbsetup-${script} ${arguments})
endforeach()
# The same installation from drive A:, a floppy drive holding the files of the image (of
# the tree whose programs this Wine runs).
foreach(mode IN LISTS TB_WINE_MODES)
  tb_wine_test(e2e_tbsetup_floppy_${mode} LABEL e2e TIMEOUT 240
               COMMAND ${TB_E2E_SCRIPTS}/tbsetup-floppy ${mode} ${TB_E2E_WORK}/tbsetup-floppy-${mode}
                       ${TB_TBSETUP_DRIVER} ${TB_WIN_BUILD_DIR}/TBK42-DISK.IMG ${TB_DIST_TBK42})
endforeach()
