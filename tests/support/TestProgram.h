#pragma once

#include "app/Program.h"
#include "tests/support/RecordingHtmlView.h"

#include <QDialog>
#include <QMap>
#include <QStringList>
#include <deque>
#include <functional>
#include <memory>

// The whole program in-process on a data folder, with the dialog and message hooks recording.
class TestProgram {
public:
    using DialogHandler = std::function<int(QDialog &)>;

    // Platform for the folder: recording views, recorded messages and addresses, today 5 March 2024.
    static Platform platformFor(const QString &dataDir);

    explicit TestProgram(const QString &dataDir);
    TestProgram(Platform platform);

    Program &program() { return *m_program; }
    TForm1 &main();
    template <typename T> T *find(const QString &objectName) const;

    RecordingHtmlView *view(const QString &objectName) const; // the view of that name, or null
    QStringList messages;
    QList<QUrl> openedUrls;

    // The next modal dialogs get these handlers in turn; with none left a dialog is rejected.
    void onNextDialog(DialogHandler handler) { m_dialogs->push_back(std::move(handler)); }
    int dialogsRun() const { return *m_dialogsRun; }

private:
    void attach(Platform &platform);

    std::shared_ptr<std::deque<DialogHandler>> m_dialogs = std::make_shared<std::deque<DialogHandler>>();
    std::shared_ptr<int> m_dialogsRun = std::make_shared<int>(0);
    std::shared_ptr<QMap<QString, RecordingHtmlView *>> m_views =
        std::make_shared<QMap<QString, RecordingHtmlView *>>();
    std::unique_ptr<Program> m_program;
};

#include "app/Dizevadi.h"

template <typename T> T *TestProgram::find(const QString &objectName) const
{
    return m_program->mainWindow().findChild<T *>(objectName);
}
