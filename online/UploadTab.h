#pragma once

#include <QWidget>

struct AppContext;

// The "Rezepte online stellen" tab: mailing own recipes to the maintainers.
class UploadTab : public QWidget {
    Q_OBJECT
public:
    explicit UploadTab(AppContext &context, QWidget *parent = nullptr);

private:
    AppContext &m_context;
};
