#include "common/TextEncoding.h"

#include <QHash>
#include <QStringDecoder>

namespace {

// Bytes 0x80 to 0x9F of Windows-1252; 0 marks the five undefined positions.
constexpr char16_t kHighControls[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178,
};

char16_t decodeByte(unsigned char b)
{
    if (b >= 0x80 && b <= 0x9F) {
        const char16_t mapped = kHighControls[b - 0x80];
        return mapped ? mapped : char16_t(b); // undefined bytes pass through as C1 controls
    }
    return char16_t(b);
}

const QHash<char16_t, char> &encodeTable()
{
    static const QHash<char16_t, char> table = [] {
        QHash<char16_t, char> t;
        for (int i = 0; i < 32; ++i)
            if (kHighControls[i])
                t.insert(kHighControls[i], char(0x80 + i));
        return t;
    }();
    return table;
}

} // namespace

QByteArray toAnsi(const QString &text)
{
    QByteArray out;
    out.reserve(text.size());
    for (QChar qc : text) {
        const char16_t c = qc.unicode();
        // The five undefined bytes decode to C1 controls; they go back to the same bytes.
        if (c < 0x80 || (c >= 0xA0 && c <= 0xFF) || (c >= 0x80 && c <= 0x9F && !kHighControls[c - 0x80])) {
            out.append(char(c));
        } else {
            const auto it = encodeTable().constFind(c);
            out.append(it != encodeTable().constEnd() ? *it : '?');
        }
    }
    return out;
}

QString fromAnsi(QByteArrayView bytes)
{
    QString out(bytes.size(), Qt::Uninitialized);
    QChar *dst = out.data();
    for (qsizetype i = 0; i < bytes.size(); ++i)
        dst[i] = QChar(decodeByte(static_cast<unsigned char>(bytes[i])));
    return out;
}

QString decodeWithByteOrderMark(QByteArrayView bytes)
{
    auto startsWith = [&](std::initializer_list<unsigned char> mark) {
        if (bytes.size() < qsizetype(mark.size()))
            return false;
        qsizetype i = 0;
        for (unsigned char m : mark)
            if (static_cast<unsigned char>(bytes[i++]) != m)
                return false;
        return true;
    };
    if (startsWith({0xFF, 0xFE}))
        return QStringDecoder(QStringDecoder::Utf16LE)(bytes.sliced(2));
    if (startsWith({0xFE, 0xFF}))
        return QStringDecoder(QStringDecoder::Utf16BE)(bytes.sliced(2));
    if (startsWith({0xEF, 0xBB, 0xBF}))
        return QString::fromUtf8(bytes.sliced(3));
    return fromAnsi(bytes);
}

QByteArray encodeUtf16LeWithMark(const QString &text)
{
    QByteArray out;
    out.reserve(2 + text.size() * 2);
    out.append(char(0xFF)).append(char(0xFE));
    for (QChar c : text) {
        const char16_t u = c.unicode();
        out.append(char(u & 0xFF)).append(char(u >> 8));
    }
    return out;
}
