#pragma once
// The settings file (.vsz) on bytes: Windows-1252, CR LF, one section per
// record, each followed by one empty line. No file system here; the caller
// reads and writes the bytes.

#include <string>
#include <string_view>

#include "core/settings_image.h"

namespace lumivox {

// The complete file for an image, exactly as the program saves it.
std::string writeSettingsFile(const SettingsImage& image);

struct SettingsFileError {
    std::string message;   // Windows-1252, e.g. "'abc' ist kein gültiger Integerwert"
    int line = 0;          // 1-based line of the fault; 0 when no line is concerned
};

// What a load did, for "lumivox-cli check".
struct SettingsFileSummary {
    int lines = 0;
    int stored = 0;        // records, names, alarm reactions, parameters and masks stored
    int unaddressed = 0;   // stores skipped because day, motor, number or profile was out of range
};

// Reads a file on top of image: every changed flag becomes 1 and the group
// masks 0, then each section stores into its record; what the file does not
// name keeps its value. The image is replaced only when the whole file was
// read; on a fault it stays exactly as it was and error tells where.
bool readSettingsFile(std::string_view bytes, SettingsImage& image, SettingsFileError* error = nullptr,
                      SettingsFileSummary* summary = nullptr);

// "<message> (Zeile <line>)", or the message alone for line 0.
std::string describe(const SettingsFileError& error);

}  // namespace lumivox
