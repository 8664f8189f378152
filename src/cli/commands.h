#pragma once
// The commands of lumivox-cli; each returns the process exit code.

#include <QStringList>

namespace lumivox::cli {

int runStatus(const QStringList& args);      // status_command.cpp
int runCheck(const QStringList& args);       // file_commands.cpp
int runNormalize(const QStringList& args);   // file_commands.cpp

}  // namespace lumivox::cli
