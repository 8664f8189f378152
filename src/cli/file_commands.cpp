#include <cstdio>

#include "cli/commands.h"
#include "core/settings_image.h"
#include "file/settings_io.h"

namespace lumivox::cli {

namespace {

void print(FILE* stream, const QString& text)
{
    std::fputs(text.toLocal8Bit().constData(), stream);
    std::fputc('\n', stream);
}

// Loads path on top of the start-up image, as the program does after start.
bool load(const QString& path, SettingsImage& image, SettingsFileSummary* summary)
{
    QString message;
    if (loadSettingsFile(path, image, &message, summary))
        return true;
    print(stderr, path + QStringLiteral(": ") + message);
    return false;
}

int switchingTimesSet(const SettingsImage& image)
{
    int count = 0;
    for (const auto& day : image.Schaltzeit)
        for (const auto& motor : day)
            for (const auto& entry : motor)
                count += entry.Uhrzeit != 0;
    return count;
}

}  // namespace

int runCheck(const QStringList& args)
{
    if (args.size() != 1) {
        print(stderr, QStringLiteral("usage: lumivox-cli check FILE.vsz"));
        return 64;
    }
    SettingsImage image;
    SettingsFileSummary summary;
    if (!load(args[0], image, &summary))
        return 1;
    QString text = QStringLiteral("ok: %1 lines, %2 values stored, %3 switching times set, active profile %4")
                       .arg(summary.lines)
                       .arg(summary.stored)
                       .arg(switchingTimesSet(image))
                       .arg(image.Parameter.AktivesProfil + 1);
    if (summary.unaddressed > 0)
        text += QStringLiteral(", %1 sections or lines naming no motor, number, day or profile skipped")
                    .arg(summary.unaddressed);
    print(stdout, text);
    return 0;
}

int runNormalize(const QStringList& args)
{
    if (args.size() != 2) {
        print(stderr, QStringLiteral("usage: lumivox-cli normalize IN.vsz OUT.vsz"));
        return 64;
    }
    SettingsImage image;
    if (!load(args[0], image, nullptr))
        return 1;
    QString message;
    if (!saveSettingsFile(args[1], image, &message)) {
        print(stderr, message);
        return 1;
    }
    return 0;
}

}  // namespace lumivox::cli
