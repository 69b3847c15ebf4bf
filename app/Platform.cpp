#include "app/Platform.h"

#include "app/WebHtmlView.h"

#include <QDesktopServices>
#include <QDialog>
#include <QFileInfo>
#include <QMessageBox>

Platform Platform::real(const QString &executablePath)
{
    Platform platform;
    const QString absolute = QFileInfo(executablePath).absoluteFilePath();
    platform.programFolder = absolute.left(absolute.lastIndexOf(QLatin1Char('/')) + 1);
    platform.serverRoot = QStringLiteral(SAFFIN_SERVER_ROOT);
    platform.smtp.host = QStringLiteral(SAFFIN_SMTP_HOST);
    platform.smtp.port = SAFFIN_SMTP_PORT;
    platform.smtp.user = QStringLiteral(SAFFIN_SMTP_USER);
    platform.smtp.password = QStringLiteral(SAFFIN_SMTP_PASSWORD);
    platform.smtp.sender = QStringLiteral(SAFFIN_SMTP_SENDER);
    platform.smtp.recipient = QStringLiteral(SAFFIN_SMTP_RECIPIENT);
    platform.createHtmlView = [](QWidget *parent, const QString &objectName) -> HtmlView * {
        return new WebHtmlView(parent, objectName);
    };
    platform.execModal = [](QDialog &dialog) { return dialog.exec(); };
    platform.showMessage = [](const QString &text) {
        QMessageBox::information(nullptr, QStringLiteral("Saffin"), text);
    };
    platform.openUrl = [](const QUrl &url) { QDesktopServices::openUrl(url); };
    platform.now = [] { return QDateTime::currentDateTime(); };
    return platform;
}
