# TBK42's images: text art in art/ becomes BMP and ICO files in ${TB_ART_OUT} at build
# time, which tbk42_art.rc (included by tbk42.rc) compiles into tbk42_resources.
# ArtToBmp runs on the build machine; this tree cross-compiles, so it is built with the
# host's C++ compiler directly rather than as a target.
find_program(TB_HOST_CXX NAMES c++ g++ REQUIRED)

set(TB_ART_SRC ${CMAKE_CURRENT_SOURCE_DIR}/art)
set(TB_ART_OUT ${CMAKE_CURRENT_BINARY_DIR}/art)
set(TB_ART_TOOL ${TB_ART_OUT}/ArtToBmp)
file(MAKE_DIRECTORY ${TB_ART_OUT})

add_custom_command(
  OUTPUT ${TB_ART_TOOL}
  COMMAND ${TB_HOST_CXX} -std=c++17 -O2 -Wall -Wextra -Werror
          -o ${TB_ART_TOOL} ${CMAKE_CURRENT_SOURCE_DIR}/ArtToBmp.cpp
  DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/ArtToBmp.cpp
  COMMENT "Building host tool ArtToBmp"
  VERBATIM)

set(TB_ART_FILES "")

# tb_art(OUTPUT MODE ART...): runs ArtToBmp MODE (bitmap or icon) on art/ART.txt.
function(tb_art output mode)
  list(TRANSFORM ARGN PREPEND ${TB_ART_SRC}/)
  list(TRANSFORM ARGN APPEND .txt)
  add_custom_command(
    OUTPUT ${TB_ART_OUT}/${output}
    COMMAND ${TB_ART_TOOL} ${mode} ${TB_ART_OUT}/${output} ${ARGN}
    DEPENDS ${TB_ART_TOOL} ${ARGN}
    COMMENT "Drawing ${output}"
    VERBATIM)
  set(TB_ART_FILES ${TB_ART_FILES} ${TB_ART_OUT}/${output} PARENT_SCOPE)
endfunction()

tb_art(program.ico icon program32 program16)
tb_art(toolbar.bmp bitmap load save receive send factory printer)
tb_art(tabs.bmp bitmap select memsw param spare)
tb_art(menu_load.bmp bitmap load)
tb_art(menu_save.bmp bitmap save)
tb_art(menu_send.bmp bitmap send)
tb_art(menu_factory.bmp bitmap factory)
tb_art(menu_printer.bmp bitmap printer)
tb_art(menu_param.bmp bitmap param)
tb_art(menu_msw.bmp bitmap memsw)
tb_art(menu_select.bmp bitmap select)
tb_art(menu_receive.bmp bitmap receive)

# The generated files are sources of the resource object (so they are made first) and
# dependencies of tbk42.rc (so it is compiled again when an image changes).
target_sources(tbk42_resources PRIVATE ${TB_ART_FILES})
set_property(SOURCE tbk42.rc APPEND PROPERTY OBJECT_DEPENDS ${TB_ART_FILES})
target_include_directories(tbk42_resources PRIVATE ${TB_ART_OUT})
