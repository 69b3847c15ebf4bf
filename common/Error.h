#pragma once

#include <QString>
#include <stdexcept>

// Every failure the user may read: the text is what the error report shows.
class Error : public std::runtime_error {
public:
    explicit Error(const QString &text) : std::runtime_error(text.toStdString()), m_text(text) {}
    const QString &text() const { return m_text; }

private:
    QString m_text;
};
