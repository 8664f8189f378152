list(APPEND DOMAIN_SOURCES)
list(APPEND LINK_SOURCES)
list(APPEND GUI_SOURCES src/file/file_actions.cpp)
