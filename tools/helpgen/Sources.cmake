# The help generator's sources, for the host tool (help/) and for the unit tests
# (cmake/Native.cmake): TB_HELPGEN_CORE_SOURCES is everything but main().
set(TB_HELPGEN_CORE_SOURCES
    HelpBook.cpp HtmlHelpProject.cpp ProgramTexts.cpp SettingLists.cpp WinHelpFile.cpp
    WinHelpTopics.cpp WinHelpTree.cpp)
list(TRANSFORM TB_HELPGEN_CORE_SOURCES PREPEND ${PROJECT_SOURCE_DIR}/tools/helpgen/)
