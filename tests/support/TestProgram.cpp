#include "tests/support/TestProgram.h"

#include "app/Dizevadi.h"

Platform TestProgram::platformFor(const QString &dataDir)
{
    Platform platform;
    platform.programFolder = dataDir;
    platform.serverRoot = QStringLiteral("http://127.0.0.1:9/");
    platform.smtp.host = QStringLiteral("127.0.0.1");
    platform.smtp.port = 9;
    platform.now = [] { return QDateTime(QDate(2024, 3, 5), QTime(12, 0)); };
    platform.splashPauseMs = 0;
    return platform;
}

TestProgram::TestProgram(const QString &dataDir) : TestProgram(platformFor(dataDir)) {}

TestProgram::TestProgram(Platform platform)
{
    attach(platform);
    m_program = std::make_unique<Program>(std::move(platform));
}

void TestProgram::attach(Platform &platform)
{
    auto views = m_views;
    platform.createHtmlView = [views](QWidget *parent, const QString &objectName) -> HtmlView * {
        auto *view = new RecordingHtmlView(parent, objectName);
        // The print window has its own EmbeddedWB1; the first one made keeps the plain name.
        const QString key = views->contains(objectName) ? objectName + QStringLiteral("@2") : objectName;
        views->insert(key, view);
        return view;
    };
    auto dialogs = m_dialogs;
    auto run = m_dialogsRun;
    if (!platform.execModal)
        platform.execModal = [dialogs, run](QDialog &dialog) {
            ++*run;
            if (dialogs->empty())
                return int(QDialog::Rejected);
            DialogHandler handler = std::move(dialogs->front());
            dialogs->pop_front();
            return handler(dialog);
        };
    if (!platform.showMessage)
        platform.showMessage = [this](const QString &text) { messages.append(text); };
    if (!platform.openUrl)
        platform.openUrl = [this](const QUrl &url) { openedUrls.append(url); };
}

TForm1 &TestProgram::main() { return m_program->mainWindow(); }

RecordingHtmlView *TestProgram::view(const QString &objectName) const { return m_views->value(objectName); }
