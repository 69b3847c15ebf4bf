#include "app/GuardedApplication.h"

#include "common/Error.h"

#include <QMessageBox>

GuardedApplication::GuardedApplication(int &argc, char **argv) : QApplication(argc, argv) {}

bool GuardedApplication::notify(QObject *receiver, QEvent *event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (const Error &error) {
        QMessageBox::warning(nullptr, QStringLiteral("Saffin"), error.text());
    } catch (const std::exception &error) {
        QMessageBox::warning(nullptr, QStringLiteral("Saffin"), QString::fromLocal8Bit(error.what()));
    }
    return false;
}
