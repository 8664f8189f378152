#include "file/settings_io.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>

#include "core/text.h"

namespace lumivox {

bool loadSettingsFile(const QString& path, SettingsImage& image, QString* message, SettingsFileSummary* summary)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (message)
            *message = QStringLiteral("File not found");
        return false;
    }
    const QByteArray bytes = file.read(kMaxSettingsFileBytes + 1);
    if (file.error() != QFileDevice::NoError) {
        if (message)
            *message = QStringLiteral("File not found");
        return false;
    }
    if (bytes.size() > kMaxSettingsFileBytes) {
        if (message)
            *message = QStringLiteral("%1 ist zu groß für eine Einstellungsdatei.").arg(QDir::toNativeSeparators(path));
        return false;
    }
    SettingsFileError error;
    if (!readSettingsFile(std::string_view(bytes.constData(), bytes.size()), image, &error, summary)) {
        if (message)
            *message = fromWindows1252(describe(error));
        return false;
    }
    return true;
}

bool saveSettingsFile(const QString& path, const SettingsImage& image, QString* message)
{
    const std::string bytes = writeSettingsFile(image);
    QSaveFile file(path);
    const bool written = file.open(QIODevice::WriteOnly)
        && file.write(bytes.data(), static_cast<qint64>(bytes.size())) == static_cast<qint64>(bytes.size())
        && file.commit();
    if (!written) {
        if (message)
            *message = QDir::toNativeSeparators(path) + QStringLiteral(": ") + file.errorString();
        file.cancelWriting();
        return false;
    }
    return true;
}

}  // namespace lumivox
