# The Debian package of k42, made by CPack's DEB generator from the native tree:
#
#   cmake --build build/native --target package     -> build/native/k42_VERSION-1_ARCH.deb
#
#   /usr/bin/k42                              the program, built anew without this tree's
#                                             sanitizers, optimised, hardened, stripped
#   /usr/share/man/man1/k42.1.gz              the manual page, English
#   /usr/share/man/ja/man1/k42.1.gz           the manual page, Japanese (UTF-8)
#   /usr/share/doc/k42/k42-text-form.md       the text form of export and import
#   /usr/share/doc/k42/copyright              machine-readable copyright
#   /usr/share/doc/k42/changelog.Debian.gz
#
# The version is k42's own (TB_K42_VERSION, cli/CMakeLists.txt), the one `k42 --version`
# prints. Included from cli/posix/, where the program's targets are known.

set(TB_K42_DEBIAN_REVISION 1)
set(TB_K42_PACKAGE_VERSION ${TB_K42_VERSION}-${TB_K42_DEBIAN_REVISION})
set(package_source ${CMAKE_CURRENT_SOURCE_DIR}/package)
set(package_dir ${CMAKE_CURRENT_BINARY_DIR}/package)

# The program from the same sources as k42, without -fsanitize: a copy of the core and of
# the commands (as the fuzz build copies the core), linked as Debian links its programs.
set(package_sources Main.cpp CupsSystem.cpp)
foreach(library tb_core k42_cli)
  get_target_property(sources ${library} SOURCES)
  get_target_property(dir ${library} SOURCE_DIR)
  foreach(source IN LISTS sources)
    if(NOT IS_ABSOLUTE "${source}")
      set(source "${dir}/${source}")
    endif()
    list(APPEND package_sources "${source}")
  endforeach()
endforeach()
add_executable(k42_package ${package_sources})
tb_target(k42_package)
target_compile_definitions(k42_package PRIVATE K42_VERSION="${TB_K42_VERSION}"
                                               _FORTIFY_SOURCE=2)
target_compile_options(k42_package PRIVATE -fno-sanitize=all -O2 -fstack-protector-strong)
target_link_options(k42_package PRIVATE -fno-sanitize=all -Wl,-z,relro,-z,now)
target_link_libraries(k42_package PRIVATE Cups::Cups)
set_target_properties(k42_package PROPERTIES OUTPUT_NAME k42 RUNTIME_OUTPUT_DIRECTORY ${package_dir})

# Manual pages and the changelog carry the version; all three are compressed as Debian
# wants them (gzip -9n: no name, no time stamp).
find_program(TB_GZIP gzip REQUIRED)
set(compressed)
foreach(pair "k42.1;man1/k42.1" "k42.ja.1;ja/man1/k42.1" "changelog.Debian.in;changelog.Debian")
  list(GET pair 0 source)
  list(GET pair 1 target)
  configure_file(${package_source}/${source} ${package_dir}/${target} @ONLY)
  add_custom_command(OUTPUT ${package_dir}/${target}.gz
                     COMMAND ${TB_GZIP} -9nf -k ${package_dir}/${target}
                     DEPENDS ${package_dir}/${target} VERBATIM)
  list(APPEND compressed ${package_dir}/${target}.gz)
endforeach()
add_custom_target(k42_package_files ALL DEPENDS ${compressed})

install(TARGETS k42_package RUNTIME DESTINATION bin)
install(FILES ${package_dir}/man1/k42.1.gz DESTINATION share/man/man1)
install(FILES ${package_dir}/ja/man1/k42.1.gz DESTINATION share/man/ja/man1)
install(FILES ${package_source}/copyright ${package_dir}/changelog.Debian.gz
              ${PROJECT_SOURCE_DIR}/docs/k42-text-form.md
        DESTINATION share/doc/k42)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME k42)
set(CPACK_PACKAGE_VERSION ${TB_K42_VERSION})
set(CPACK_PACKAGE_VENDOR "TBK42 developers")
set(CPACK_PACKAGE_CONTACT "TBK42 developers <k42@tbk42.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "settings of Varo Corvane K42 printers from the command line")
# The first line of the control file's description is the summary above; this is the rest.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "k42 shows, compares, exports and imports the settings files of TBK42, the
Windows settings program of the impact dot-matrix printer Varo Corvane K42,
and sends them to CUPS queues as TBK42 sends them: one raw job of the
270-byte settings block. It also reads a spooled job, the printer command
as a queue received it.")
set(CPACK_DEBIAN_PACKAGE_RELEASE ${TB_K42_DEBIAN_REVISION})
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE
    GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(CPACK_PACKAGE_DIRECTORY ${CMAKE_BINARY_DIR})
include(CPack)
