list(APPEND DOMAIN_TEST_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/switching_rules_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/list_lines_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/timeline_test.cpp
)
list(APPEND GUI_TEST_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/schedule_editor_test.cpp
)
