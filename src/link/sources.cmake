list(APPEND DOMAIN_SOURCES
  src/link/framing.cpp
  src/link/features.cpp
  src/link/live_values.cpp
  src/link/port_file.cpp
)
list(APPEND LINK_SOURCES
  src/link/line_port.cpp
  src/link/controller_link.cpp
  src/link/status_probe.cpp
  src/link/demo_controller.cpp
)
list(APPEND GUI_SOURCES
  src/link/link_view.cpp
  src/link/live_pages.cpp
)
