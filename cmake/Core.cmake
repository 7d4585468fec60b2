# The portable core, the same in every tree: text helpers, settings, the portable half
# of the printer code and the program's portable rules.
add_subdirectory(text)
add_subdirectory(settings)
add_subdirectory(printer)
add_subdirectory(menu)
# Which help file the program opens on which Windows.
target_sources(tb_core PRIVATE ${PROJECT_SOURCE_DIR}/help/HelpFile.cpp)
