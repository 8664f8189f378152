list(APPEND DOMAIN_SOURCES)
list(APPEND LINK_SOURCES)
list(APPEND GUI_SOURCES src/schedule/schedule_editor.cpp)
