# Checks of what ships and of the scripts around the build, in the native tree.

# Every import of the three shipped programs (the stripped i686 files of the distribution
# disk) is one the first Windows 95 and NT 4.0 releases export; the check refuses a
# program importing msvcrt.dll or a function outside the list.
set(TB_EXPORTS_LIST ${PROJECT_SOURCE_DIR}/tools/win95-nt4-exports.txt)
add_test(NAME ship_imports
         COMMAND ${PROJECT_SOURCE_DIR}/tools/check-imports ${TB_EXPORTS_LIST}
                 ${TB_SHIP_BUILD_DIR}/dist-parts/TBK42.EXE ${TB_SHIP_BUILD_DIR}/dist/TBSetup.exe
                 ${TB_SHIP_BUILD_DIR}/dist/TBK42/K42.EXE)
add_test(NAME ship_imports_refusals
         COMMAND ${PROJECT_SOURCE_DIR}/tests/scripts/check-imports-refusals ${TB_EXPORTS_LIST}
                 ${TB_SHIP_BUILD_DIR}/dist-parts/TBK42.EXE
                 ${TB_SHIP_BUILD_DIR}/tools/answermessage.exe)
set_tests_properties(ship_imports ship_imports_refusals PROPERTIES LABELS unit)

# Includes point down the layers only (resources/check-includes), and the check refuses
# an upward one.
add_test(NAME include_directions COMMAND ${PROJECT_SOURCE_DIR}/resources/check-includes
                                         ${PROJECT_SOURCE_DIR})
add_test(NAME include_directions_refusals
         COMMAND ${PROJECT_SOURCE_DIR}/tests/scripts/check-includes-refusals)
set_tests_properties(include_directions include_directions_refusals PROPERTIES LABELS unit)

# The package step against a registry out of step (apt-get stood in for).
add_test(NAME install_packages COMMAND ${PROJECT_SOURCE_DIR}/tests/scripts/install-packages)
set_tests_properties(install_packages PROPERTIES LABELS unit)

# DLLs planted beside TBK42 and the uninstallation's temporary copy are not loaded.
tb_wine_test(e2e_planted_dll LABEL e2e TIMEOUT 300
             COMMAND ${PROJECT_SOURCE_DIR}/tests/e2e/planted-dll ${TB_WINE_DIR}/e2e/planted
                     ${TB_WIN_BUILD_DIR}/tests/e2e/tbk42_driver.exe ${TB_WIN_BUILD_DIR}/app/TBK42.EXE
                     ${TB_WIN_BUILD_DIR}/tests/e2e/tbsetup_driver.exe ${TB_WIN_BUILD_DIR}/dist
                     ${TB_WIN_BUILD_DIR}/tests/e2e/planted.dll)
