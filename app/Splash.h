#pragma once

#include <QWidget>

class QLabel;

// The splash window: the logo alone, without border, centred on the screen.
class TForm6 : public QWidget {
    Q_OBJECT
public:
    TForm6();

protected:
    void showEvent(QShowEvent *event) override; // FormShow: the client area takes the picture's size

private:
    QLabel *Image1;
};
