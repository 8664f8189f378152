list(APPEND DOMAIN_TEST_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/framing_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/features_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/live_values_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/port_file_test.cpp
)
# The simulated controller runs in-process behind the port interface
# (sim_port) and as virelta-sim on a pseudo-terminal (end_to_end_test).
set(LUMIVOX_SIM_ENGINE ${CMAKE_CURRENT_LIST_DIR}/../../src/sim/virelta_controller.cpp)
list(APPEND LINK_TEST_SOURCES
  ${LUMIVOX_SIM_ENGINE}
  ${CMAKE_CURRENT_LIST_DIR}/sim_port.cpp
  ${CMAKE_CURRENT_LIST_DIR}/sim_engine_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/controller_link_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/end_to_end_test.cpp
)
list(APPEND GUI_TEST_SOURCES
  ${LUMIVOX_SIM_ENGINE}
  ${CMAKE_CURRENT_LIST_DIR}/sim_port.cpp
  ${CMAKE_CURRENT_LIST_DIR}/link_view_test.cpp
)
