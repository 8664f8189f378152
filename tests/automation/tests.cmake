list(APPEND DOMAIN_TEST_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/list_lines_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/mask_rules_test.cpp
)
list(APPEND GUI_TEST_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/automation_editors_test.cpp
)
