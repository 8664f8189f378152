#include <cstdio>

#include "cli/commands.h"

namespace lumivox::cli {

int runCheck(const QStringList&)
{
    std::fputs("check: not built yet\n", stderr);
    return 1;
}

int runNormalize(const QStringList&)
{
    std::fputs("normalize: not built yet\n", stderr);
    return 1;
}

}  // namespace lumivox::cli
