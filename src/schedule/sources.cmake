list(APPEND DOMAIN_SOURCES
  src/schedule/switching_rules.cpp
  src/schedule/list_lines.cpp
  src/schedule/timeline.cpp
)
list(APPEND LINK_SOURCES)
list(APPEND GUI_SOURCES
  src/schedule/schedule_editor.cpp
  src/schedule/bar_strip.cpp
)
