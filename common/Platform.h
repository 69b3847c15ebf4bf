#pragma once

#include <QDateTime>
#include <QString>
#include <QUrl>
#include <functional>

class HtmlView;
class QDialog;
class QWidget;

struct SmtpSettings {
    QString host;
    int port = 25;
    QString user, password, sender, recipient;
};

// Everything the program takes from the outside world, so a test can run it in-process.
struct Platform {
    QString programFolder; // DataDir: the executable's folder, trailing '/'
    QString serverRoot;    // ServerRoot, ends with '/'
    SmtpSettings smtp;
    std::function<HtmlView *(QWidget *parent, const QString &objectName)> createHtmlView; // names its widget
    std::function<int(QDialog &)> execModal;          // every modal dialog is run through this
    std::function<void(const QString &)> showMessage; // every message box, the error report too
    std::function<void(const QUrl &)> openUrl;        // the system's handler for web addresses
    std::function<QDateTime()> now;                   // "today" for the calendars
    int splashPauseMs = 1000;
    static Platform real(const QString &executablePath);
};
