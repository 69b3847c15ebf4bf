#pragma once

#include <QWidget>

struct AppContext;
class QComboBox;
class QLabel;
class QPushButton;

// The "About" tab: the info and donation buttons above the language, font name and font size boxes.
class AboutTab : public QWidget {
    Q_OBJECT
public:
    explicit AboutTab(AppContext &context, QWidget *parent = nullptr);

    QComboBox *languageBox() const { return TntComboBox7; }
    QComboBox *fontNameBox() const { return ComboBox1; }
    QComboBox *fontSizeBox() const { return ComboBox2; }

Q_SIGNALS:
    void infoRequested();     // Button1
    void donationRequested(); // Button2

private:
    AppContext &m_context;
    QPushButton *Button1;
    QPushButton *Button2;
    QWidget *Panel15;
    QLabel *Label1;
    QComboBox *TntComboBox7;
    QLabel *TntLabel3;
    QComboBox *ComboBox1;
    QLabel *TntLabel4;
    QComboBox *ComboBox2;
};
