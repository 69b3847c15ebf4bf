#pragma once

#include <QWidget>

struct AppContext;
class QPlainTextEdit;
class QPushButton;

// The donation window. Closing only hides it.
class TForm14 : public QWidget {
    Q_OBJECT
public:
    explicit TForm14(AppContext &context, QWidget *parent = nullptr);

    void Button1Click();
    void Button2Click();
    void Button3Click();

protected:
    void showEvent(QShowEvent *event) override;

private:
    AppContext &m_context;
    QPlainTextEdit *Memo1;
    QWidget *Panel1;
    QPushButton *Button1;
    QPushButton *Button2;
    QPushButton *Button3;
};
