#pragma once

#include <QByteArrayView>
#include <QImage>
#include <QWidget>

#include <functional>

struct AppContext;
class QComboBox;
class QGroupBox;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QSplitter;
class QToolButton;

// The "Neues Rezept" tab: writing own recipes, or changing stored ones, and saving them.
class EditorTab : public QWidget {
    Q_OBJECT
public:
    explicit EditorTab(AppContext &context, QWidget *parent = nullptr);

    void TntComboBox2Change();   // refill the value list, all unmarked
    void TntEdit1Change();       // Save is possible for a name, or an empty name no recipe has yet
    void TntToolButton23Click(); // choose a picture
    void TntToolButton12Click(); // remove the picture
    void TntBitBtn1Click();      // Save

    // Fills every control from the stored recipe and locks name and author until the next Save.
    // False when no record has the name; then nothing changes.
    bool loadRecipe(QByteArrayView name);

    bool hasPicture() const { return EditorHasPicture; }
    const QImage &picture() const { return m_picture; }

Q_SIGNALS:
    void recipesChanged(); // the store changed: the recipe lists must be refreshed

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget *buildLeftPanel();
    QWidget *buildTopArea();
    void TntMemoKeyUp(QPlainTextEdit &memo, const QKeyEvent &event); // TntMemo1KeyUp, TntMemo2KeyUp
    void setPicture(const QImage &picture);
    std::function<void()> reportingErrors(void (EditorTab::*handler)());

    AppContext &m_context;
    QLabel *TntLabel1;
    QLineEdit *TntEdit1;
    QLabel *TntLabel2;
    QLineEdit *TntEdit2;
    QComboBox *TntComboBox2;
    QListWidget *TntCheckListBox3;
    QComboBox *TntComboBox3;
    QPushButton *TntBitBtn1;
    QGroupBox *TntGroupBox1;
    QPlainTextEdit *TntMemo1;
    QLabel *Image1;
    QToolButton *TntToolButton23;
    QToolButton *TntToolButton12;
    QSplitter *m_splitter;
    QPlainTextEdit *TntMemo2;

    QImage m_picture; // what Save stores while EditorHasPicture is set
    bool EditorHasPicture = false;
};
