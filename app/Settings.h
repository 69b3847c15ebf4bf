#pragma once

#include <QSet>
#include <QString>
#include <QStringList>

struct AppContext;
class QComboBox;
class TForm1;
class TForm2;
class TForm3;
class TForm4;

// Names of the files in a folder without their extensions; empty when the folder is missing.
QStringList ListLanguageFiles(const QString &folder);

// The screen's typefaces into the font name box, sorted.
void FillFontList(QComboBox &fontNameBox);

// Selects the first entry equal to text ignoring letter case; none: no selection.
void selectByText(QComboBox &box, const QString &text);

// "Lang.ini", the language files and the labelling of every control.
class Settings {
public:
    Settings(AppContext &context, TForm1 &main, TForm2 &search, TForm3 &date, TForm4 &print);

    void FormCreate(); // the start-up language step, run as the print window is created
    void ApplyLanguageTexts();
    void SaveSettings();
    void TntComboBox7Change();
    void ComboBox1Change();
    void ComboBox2Change();
    QString CommunityLanguage() const;

private:
    void FillCategoryBoxes();
    bool restoreFromLangIni(); // false when there is no "Lang.ini"
    void loadLanguage(const QString &name);
    void reportLanguageProblem(const QString &text);
    QString languageFolder() const;

    AppContext &m_context;
    TForm1 &m_main;
    TForm2 &m_search;
    TForm3 &m_date;
    TForm4 &m_print;
    QSet<QString> m_reported; // each language-file problem is told once
};
