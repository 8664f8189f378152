list(APPEND DOMAIN_SOURCES
  src/core/settings_image.cpp
  src/core/item_lists.cpp
  src/core/record_tables.cpp
  src/core/cp1252.cpp
)
list(APPEND LINK_SOURCES
  src/core/text.cpp
)
list(APPEND GUI_SOURCES
  src/core/main_window.cpp
  src/core/dialogs.cpp
  src/core/widgets.cpp
  src/core/live_fields.cpp
)
