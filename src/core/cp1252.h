#pragma once
// Windows-1252, the code page of the controller and of the settings file.

#include <cstdint>
#include <optional>

namespace lumivox::cp1252 {

// The Unicode code point of a byte; the five bytes Windows-1252 leaves
// undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) map to the C1 controls of the same
// value, so every byte survives a round trip.
char32_t toUnicode(uint8_t byte);

// The byte of a code point, or nothing when Windows-1252 cannot hold it.
std::optional<uint8_t> fromUnicode(char32_t codePoint);

}  // namespace lumivox::cp1252
