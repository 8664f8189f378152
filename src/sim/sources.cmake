add_executable(virelta-sim src/sim/main.cpp)
target_link_libraries(virelta-sim PRIVATE lumivox_link)
