# The distribution disk: dist/ in the win tree holds what goes on the floppy, made from
# the sources in dist/ of the repository (the setup information there is UTF-8).
#
#   dist/TBSetup.exe          the installer (stripped)
#   dist/TBSetup.ini          setup information, code page 932, CRLF lines
#   dist/TBK42/TBK42.EX_      the settings program (stripped), LZ-compressed (SZDD)
#   dist/TBK42/TBK42.HLP      Windows Help file (Windows 95, NT 4.0)
#   dist/TBK42/TBK42.CNT      its contents file, for the Help Topics window
#   dist/TBK42/TBK42.CHM      HTML Help file (every other Windows)
#   dist/TBK42/K42.EXE        the command line (stripped), as it is installed
#
# TBK42-DISK.IMG, beside dist/, is the same disk as a 1.44 MB floppy image (FAT12, made with
# mtools) holding exactly the files of dist/, labelled TB_DISK_LABEL: for a floppy, a floppy
# emulator or a virtual machine.
#
# dist-parts/TBK42.EXE keeps the stripped program as it goes into TBK42.EX_, so tests can
# compare an installed copy with it byte for byte. The rules are set up at the end of the
# top directory, when the installer's target exists.

set(TB_DIST_SOURCE ${PROJECT_SOURCE_DIR}/dist)
set(TB_DIST_DIR ${CMAKE_BINARY_DIR}/dist)
set(TB_DIST_PARTS ${CMAKE_BINARY_DIR}/dist-parts)
set(TB_DISK_IMAGE ${CMAKE_BINARY_DIR}/TBK42-DISK.IMG)
set(TB_DISK_LABEL TBK42)

function(tb_dist)
  if(NOT TARGET TBSetup)
    message(STATUS "dist: no TBSetup target yet, distribution disk not assembled")
    return()
  endif()
  find_program(TB_MSCOMPRESS mscompress REQUIRED)
  find_program(TB_ICONV iconv REQUIRED)
  set(disk ${TB_DIST_DIR}/TBK42)
  set(program ${TB_DIST_PARTS}/TBK42.EXE)
  set(outputs ${TB_DIST_DIR}/TBSetup.exe ${TB_DIST_DIR}/TBSetup.ini ${disk}/TBK42.EX_
              ${disk}/TBK42.HLP ${disk}/TBK42.CNT ${disk}/TBK42.CHM ${disk}/K42.EXE ${program})
  add_custom_command(
    OUTPUT ${outputs}
    COMMAND ${CMAKE_COMMAND} -E rm -rf ${TB_DIST_DIR} ${TB_DIST_PARTS}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${disk} ${TB_DIST_PARTS}
    COMMAND ${CMAKE_STRIP} -o ${TB_DIST_DIR}/TBSetup.exe $<TARGET_FILE:TBSetup>
    COMMAND ${CMAKE_STRIP} -o ${program} $<TARGET_FILE:TBK42>
    COMMAND ${CMAKE_STRIP} -o ${disk}/K42.EXE $<TARGET_FILE:k42>
    # mscompress appends "_" and leaves the header's "last character" empty; a real disk
    # has TBK42.EX_ with that byte (offset 9) holding the E that the underscore replaced,
    # from which the expander gives the file its name back.
    COMMAND ${TB_MSCOMPRESS} ${program}
    COMMAND ${CMAKE_COMMAND} -E rename ${program}_ ${disk}/TBK42.EX_
    COMMAND sh -c "printf E | dd of='${disk}/TBK42.EX_' bs=1 seek=9 conv=notrunc status=none"
    COMMAND sh -c "sed 's/$/\\r/' '${TB_DIST_SOURCE}/TBSetup.ini' | ${TB_ICONV} -f UTF-8 -t CP932 >'${TB_DIST_DIR}/TBSetup.ini'"
    COMMAND ${CMAKE_COMMAND} -E copy ${TB_HELP_HLP} ${disk}/TBK42.HLP
    COMMAND ${CMAKE_COMMAND} -E copy ${TB_HELP_CNT} ${disk}/TBK42.CNT
    COMMAND ${CMAKE_COMMAND} -E copy ${TB_HELP_CHM} ${disk}/TBK42.CHM
    DEPENDS TBSetup TBK42 k42 help_files ${TB_DIST_SOURCE}/TBSetup.ini ${TB_HELP_HLP} ${TB_HELP_CNT}
            ${TB_HELP_CHM}
    COMMENT "Assembling the distribution disk in dist/"
    VERBATIM)
  # 1440 KiB, two sides, 80 tracks of 18 sectors; a fixed serial number, and the files'
  # times kept, so the same dist/ gives the same image.
  find_program(TB_MFORMAT mformat REQUIRED)
  find_program(TB_MCOPY mcopy REQUIRED)
  add_custom_command(
    OUTPUT ${TB_DISK_IMAGE}
    COMMAND ${CMAKE_COMMAND} -E rm -f ${TB_DISK_IMAGE}
    COMMAND ${TB_MFORMAT} -i ${TB_DISK_IMAGE} -C -f 1440 -v ${TB_DISK_LABEL} -N 4B420001 ::
    COMMAND sh -c "${TB_MCOPY} -i '${TB_DISK_IMAGE}' -s -m -Q '${TB_DIST_DIR}'/* ::"
    DEPENDS ${outputs}
    COMMENT "Writing the distribution disk as a floppy image"
    VERBATIM)
  add_custom_target(dist ALL DEPENDS ${outputs} ${TB_DISK_IMAGE})
endfunction()
cmake_language(DEFER DIRECTORY ${PROJECT_SOURCE_DIR} CALL tb_dist)
