#pragma once
// The settings file on disk: read whole, written through a temporary file
// beside the target that replaces it only once everything was written.

#include <QString>

#include "core/settings_image.h"
#include "file/settings_file.h"

namespace lumivox {

// A full settings file is about 65 KB; anything far larger is not one, and
// reading it whole (a device, a disk image picked by mistake) must not
// exhaust memory.
inline constexpr qint64 kMaxSettingsFileBytes = 4 * 1024 * 1024;

// Loads path on top of image; image changes only when the whole file was
// read. On failure message holds the text to show: "File not found" when the
// file cannot be read, else the fault with its line number.
bool loadSettingsFile(const QString& path, SettingsImage& image, QString* message,
                      SettingsFileSummary* summary = nullptr);

// Saves image to path; an existing file stays untouched unless the new one
// was written completely. On failure message holds the system's error text.
bool saveSettingsFile(const QString& path, const SettingsImage& image, QString* message);

}  // namespace lumivox
