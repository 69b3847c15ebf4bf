#pragma once

#include <QString>
#include <QStringList>

// The lines of the chosen language file, addressed as text 0 to text 128.
class LanguageTexts {
public:
    static constexpr int kCount = 129;

    // Replaces the whole table with the file's lines (byte-order mark decides the encoding).
    // Throws Error when the file cannot be read; the table is then unchanged.
    void load(const QString &path);

    // Line `index` of the last file loaded. A text the file lacks comes from the built-in
    // English texts, so a short or missing language file never stops the program.
    QString text(int index) const;

    // How many lines the last file had; below kCount the table is incomplete.
    int loadedCount() const { return m_lines.size(); }
    const QString &loadedPath() const { return m_path; }

    // The built-in English texts (the "English.txt" the program was built with).
    static const QStringList &builtIn();

private:
    QStringList m_lines;
    QString m_path;
};
