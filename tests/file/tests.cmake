list(APPEND DOMAIN_TEST_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/settings_file_test.cpp
)
