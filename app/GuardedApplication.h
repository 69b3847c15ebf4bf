#pragma once

#include <QApplication>

// The last net of the error report: an exception that reaches the event loop is shown, not fatal.
class GuardedApplication : public QApplication {
public:
    GuardedApplication(int &argc, char **argv);
    bool notify(QObject *receiver, QEvent *event) override;
};
