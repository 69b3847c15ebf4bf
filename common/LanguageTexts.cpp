#include "common/LanguageTexts.h"

#include "common/Error.h"
#include "common/FileIO.h"
#include "common/TextEncoding.h"
#include "common/TextLines.h"

#include <QFile>

void LanguageTexts::load(const QString &path)
{
    m_lines = splitTextLines(decodeWithByteOrderMark(readWholeFile(path)));
    m_path = path;
}

QString LanguageTexts::text(int index) const
{
    if (index >= 0 && index < m_lines.size())
        return m_lines.at(index);
    const QStringList &fallback = builtIn();
    return index >= 0 && index < fallback.size() ? fallback.at(index) : QString();
}

const QStringList &LanguageTexts::builtIn()
{
    static const QStringList lines = [] {
        QFile file(QStringLiteral(":/saffin/English.txt"));
        file.open(QIODevice::ReadOnly);
        return splitTextLines(decodeWithByteOrderMark(file.readAll()));
    }();
    return lines;
}
