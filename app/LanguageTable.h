#pragma once

#include <QString>
#include <span>

class QWidget;

// Which line of a language file goes where. Applied by object name.
enum class TextTarget {
    Caption,       // button, label, group box, menu item
    NarrowCaption, // the same, shown in the ANSI code page only
    Hint,          // tool tip
    TabCaption,    // a page of the main window's page control
    WindowTitle,   // a window's caption, or a caption the control stores without drawing it
};

enum class TextWindow { Main, Search, Date, Print };

struct TextPlacement {
    int index;
    TextWindow window;
    const char *objectName;
    TextTarget target;
};

std::span<const TextPlacement> languageTable();

// Puts one text on its control; false when the window has no control of that name.
bool applyPlacement(QWidget *window, const TextPlacement &placement, const QString &text);
