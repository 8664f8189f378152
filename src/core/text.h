#pragma once
// The one place where Windows-1252 bytes of the domain become QStrings.

#include <QString>
#include <string>

namespace lumivox {

QString fromWindows1252(const std::string& bytes);
// Characters Windows-1252 cannot hold become "?".
std::string toWindows1252(const QString& text);

}  // namespace lumivox
