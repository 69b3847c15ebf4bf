#pragma once

#include <QDate>
#include <QDialog>

struct AppContext;

// The date dialog: a month calendar and a button; closing it in any way confirms the day shown.
class TForm3 : public QDialog {
    Q_OBJECT
public:
    explicit TForm3(AppContext &context, QWidget *parent = nullptr);

private:
    AppContext &m_context;
};
