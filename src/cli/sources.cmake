add_executable(lumivox-cli
  src/cli/main.cpp
  src/cli/status_command.cpp
  src/cli/file_commands.cpp
)
target_link_libraries(lumivox-cli PRIVATE lumivox_link)
