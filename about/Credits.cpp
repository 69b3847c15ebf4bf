#include "about/Credits.h"

#include "about/Addresses.h"
#include "common/TextEncoding.h"

QList<QByteArray> creditLines()
{
    const QByteArray home = toAnsi(makerHomePage().toString());
    return {
        "Saffin",
        "Version 1.2",
        "",
        "Programmierung:",
        "the Saffin developers",
        "",
        "Herausgeber:",
        "the Saffin project",
        home,
        "",
        "Logo von:",
        "drawn for Saffin",
        "",
        "Verwendete Komponenten:",
        "",
        "Qt",
        "https://www.qt.io/",
        "",
        "Qt WebEngine",
        "https://doc.qt.io/qt-6/qtwebengine-index.html",
        "",
        "libcurl",
        "https://curl.se/libcurl/",
        "",
        "libzip",
        "https://libzip.org/",
        "",
        "libjpeg-turbo",
        "https://libjpeg-turbo.org/",
        "",
        "Translation:",
        "English: the Saffin developers",
        "German: the Saffin developers",
        "",
        "",
    };
}
