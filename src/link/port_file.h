#pragma once
// "Lumivox.ini": one line, the COM port number 1 ... 16, CR LF.

#include <filesystem>

namespace lumivox {

inline constexpr int kComPorts = 16;
inline constexpr const char* kPortFileName = "Lumivox.ini";

// The port number of the file's first line; 1 when the file is missing or
// its first line is not a number in 1 ... 16.
int readPortFile(const std::filesystem::path& file);

// Replaces the file (through a temporary file, so a failure keeps the old
// one). False when it cannot be written.
bool writePortFile(const std::filesystem::path& file, int port);

}  // namespace lumivox
