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
    platform.execModal = [](QDialog &dialog) { return dialog.exec(); };
    // Only the community view shows web pages; every other view shows pages made from recipe text.
    platform.createHtmlView = [execModal = platform.execModal](QWidget *parent,
                                                               const QString &objectName) -> HtmlView * {
        const auto content = objectName == QLatin1String("EmbeddedWB2") ? WebHtmlView::Content::WebPages
                                                                          : WebHtmlView::Content::LocalPages;
        return new WebHtmlView(parent, objectName, content, execModal);
    };
    platform.showMessage = [](const QString &text) {
        QMessageBox::information(nullptr, QStringLiteral("Saffin"), text);
    };
    platform.openUrl = [](const QUrl &url) { QDesktopServices::openUrl(url); };
    platform.now = [] { return QDateTime::currentDateTime(); };
    return platform;
}
