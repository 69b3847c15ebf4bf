#pragma once

#include <QDialog>

#include <functional>

class QLabel;
class QLineEdit;
class QPushButton;

// A small modal question for one line of text, laid out in dialog units of the default font.
// Its controls hold narrow text: whatever the 8-bit code page cannot carry becomes "?".
// Object names: the dialog "QueryTextDialog", the prompt "Prompt", the field "Edit", the buttons
// "OkButton" (confirm, default) and "CancelButton".
class QueryTextDialog : public QDialog {
    Q_OBJECT
public:
    QueryTextDialog(const QString &caption, const QString &prompt, const QString &cancelCaption, const QString &value,
                    const QString &confirmCaption);

    QString enteredText() const; // the field's text, as the 8-bit code page carries it

    QLabel *Prompt;
    QLineEdit *Edit;
    QPushButton *OkButton;
    QPushButton *CancelButton;
};

// Runs the question through the given modal runner; true, with value set, when confirmed.
bool QueryText(const std::function<int(QDialog &)> &runModal, const QString &caption, const QString &prompt,
               const QString &cancelCaption, QString &value, const QString &confirmCaption);
