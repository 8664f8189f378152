list(APPEND DOMAIN_TEST_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/settings_file_test.cpp
)
list(APPEND LINK_TEST_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/settings_io_test.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/../src/cli/file_commands.cpp
)
list(APPEND GUI_TEST_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/file_actions_test.cpp
)
