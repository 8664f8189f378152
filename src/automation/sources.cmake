list(APPEND DOMAIN_SOURCES
  src/automation/list_lines.cpp
  src/automation/mask_rules.cpp
  src/automation/field_access.cpp
)
list(APPEND LINK_SOURCES)
list(APPEND GUI_SOURCES
  src/automation/automation_editors.cpp
  src/automation/list_mask_editor.cpp
  src/automation/page_parts.cpp
  src/automation/shading_page.cpp
  src/automation/wind_rain_page.cpp
  src/automation/manual_page.cpp
)
