#include <cstdio>

#include "cli/commands.h"

namespace lumivox::cli {

int runStatus(const QStringList&)
{
    std::fputs("status: not built yet\n", stderr);
    return 1;
}

}  // namespace lumivox::cli
