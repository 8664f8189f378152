list(APPEND DOMAIN_SOURCES src/file/settings_file.cpp)
list(APPEND LINK_SOURCES src/file/settings_io.cpp)
list(APPEND GUI_SOURCES src/file/file_actions.cpp)
