#pragma once

#include <QWidget>

struct AppContext;
class QFrame;
class QLabel;
class QPushButton;
class TTextPanel;

// The info window: logo, name and version, scrolling credits. Closing only hides it.
class TInfoForm : public QWidget {
    Q_OBJECT
public:
    explicit TInfoForm(AppContext &context, QWidget *parent = nullptr);

    void BitBtn1Click();
    void Label2Click();

    TTextPanel *textPanel() const { return TextPanel1; }

protected:
    void keyPressEvent(QKeyEvent *event) override; // Enter: the default button
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    AppContext &m_context;
    QFrame *Panel1;
    QLabel *Image1;
    QLabel *Label5;
    TTextPanel *TextPanel1;
    QPushButton *BitBtn1;
    QLabel *Label2;
};
