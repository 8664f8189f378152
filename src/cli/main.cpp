// lumivox-cli: the link and file code of Lumivox, for scripts.
#include <QCoreApplication>
#include <QStringList>
#include <cstdio>

#include "cli/commands.h"

namespace {

struct Command {
    const char* name;
    const char* usage;
    int (*run)(const QStringList& args);
};

const Command kCommands[] = {
    {"status", "status --port DEVICE|COMn", lumivox::cli::runStatus},
    {"check", "check FILE.vsz", lumivox::cli::runCheck},
    {"normalize", "normalize IN.vsz OUT.vsz", lumivox::cli::runNormalize},
};

int usage()
{
    std::fputs("usage: lumivox-cli COMMAND ...\n", stderr);
    for (const Command& c : kCommands)
        std::fprintf(stderr, "  lumivox-cli %s\n", c.usage);
    return 64;
}

}  // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    if (args.isEmpty())
        return usage();
    const QString name = args.takeFirst();
    for (const Command& c : kCommands)
        if (name == QLatin1String(c.name))
            return c.run(args);
    return usage();
}
