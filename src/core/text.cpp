#include "core/text.h"

#include "core/cp1252.h"

#include <QList>

namespace lumivox {

QString fromWindows1252(const std::string& bytes)
{
    QString text;
    text.reserve(static_cast<qsizetype>(bytes.size()));
    for (unsigned char byte : bytes)
        text.append(QChar(static_cast<char16_t>(cp1252::toUnicode(byte))));
    return text;
}

std::string toWindows1252(const QString& text)
{
    std::string bytes;
    bytes.reserve(static_cast<size_t>(text.size()));
    for (char32_t codePoint : text.toUcs4())
        bytes.push_back(static_cast<char>(cp1252::fromUnicode(codePoint).value_or('?')));
    return bytes;
}

}  // namespace lumivox
