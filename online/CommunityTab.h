#pragma once

#include <QString>
#include <QWidget>

#include <functional>

struct AppContext;
class HtmlView;
class QToolBar;
class QToolButton;

// The "Community" tab: the server's community page, loaded the first time the tab is opened.
class CommunityTab : public QWidget {
    Q_OBJECT
public:
    static constexpr int kPageIndex = 8;

    explicit CommunityTab(AppContext &context, QWidget *parent = nullptr);

    // "German" or "English", after the program's language.
    void setCommunityLanguage(std::function<QString()> language) { m_language = std::move(language); }

    void TntPageControl1Change(int currentIndex);
    void TntToolButton22Click(); // the community home page
    void BackClick();

    HtmlView *view() const { return EmbeddedWB2; }
    bool CommunityLoaded = false;

private:
    AppContext &m_context;
    std::function<QString()> m_language;
    QToolBar *TntToolBar5;
    QToolButton *TntToolButton22;
    QToolButton *Back;
    HtmlView *EmbeddedWB2;
};
