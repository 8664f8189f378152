# The simulated controller: its protocol engine is plain C++ so the tests can
# run it in-process behind the link's port interface.
set(VIRELTA_SIM_ENGINE_SOURCES ${CMAKE_CURRENT_LIST_DIR}/virelta_controller.cpp)
add_executable(virelta-sim src/sim/main.cpp ${VIRELTA_SIM_ENGINE_SOURCES})
target_link_libraries(virelta-sim PRIVATE lumivox_link)
