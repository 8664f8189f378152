#include <cstdio>

#include "cli/commands.h"
#include "link/features.h"
#include "link/line_port.h"
#include "link/status_probe.h"

namespace lumivox::cli {

// status --port DEVICE|COMn: 0 when a controller answered, 2 when none did
// within five seconds, 1 when the port cannot be opened, 3 for a controller
// type this program does not serve.
int runStatus(const QStringList& args)
{
    const int at = args.indexOf(QStringLiteral("--port"));
    if (at < 0 || at + 1 >= args.size()) {
        std::fputs("usage: lumivox-cli status --port DEVICE|COMn\n", stderr);
        return 64;
    }
    const QString device = deviceForPortArgument(args.at(at + 1));
    const StatusReport report = probeStatus(device, 5000);
    switch (report.outcome) {
    case StatusReport::Outcome::OpenFailed:
        std::fprintf(stderr, "%s: %s\n", qPrintable(device), qPrintable(report.error));
        return 1;
    case StatusReport::Outcome::NoAnswer:
        std::puts("Keine Verbindung");
        return 2;
    case StatusReport::Outcome::Answered:
        break;
    }
    std::fputs(formatStatus(report).toLocal8Bit().constData(), stdout);
    if (report.check == IdentityCheck::Unsupported) {
        std::fputs(QString::fromLatin1(kUnsupportedControllerMessage).toLocal8Bit().constData(), stderr);
        return 3;
    }
    return 0;
}

}  // namespace lumivox::cli
