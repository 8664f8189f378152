list(APPEND DOMAIN_SOURCES)
list(APPEND LINK_SOURCES)
list(APPEND GUI_SOURCES src/automation/automation_editors.cpp)
