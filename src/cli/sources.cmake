add_executable(lumivox-cli src/cli/main.cpp)
target_link_libraries(lumivox-cli PRIVATE lumivox_link)
