#pragma once

#include <QWidget>

struct AppContext;

// The "Community" tab: the server's community page.
class CommunityTab : public QWidget {
    Q_OBJECT
public:
    explicit CommunityTab(AppContext &context, QWidget *parent = nullptr);

private:
    AppContext &m_context;
};
