#pragma once

#include <QByteArray>
#include <QWidget>

struct AppContext;
class CatalogueList;
class HttpClient;
class QAction;
class QListWidget;
class QMenu;
class QToolBar;
class QToolButton;

// The "Rezepte online stellen" tab: own recipes the server does not offer yet, mailed to the
// catalogue maintainers as a zipped recipe package.
class UploadTab : public QWidget {
    Q_OBJECT
public:
    explicit UploadTab(AppContext &context, QWidget *parent = nullptr);

    // The run's HTTP client and the catalogue list the update tab owns.
    void setOnline(HttpClient &http, CatalogueList &catalogueList);

    void TntToolButton20Click(); // list
    void TntCheckListBox2DblClick();
    void Markall1Click();
    void Marknone1Click();
    void TB76Click();      // export and send
    bool SendUploadMail(); // false when there is no "Upload.zip" to send

Q_SIGNALS:
    void openRecipeRequested(const QByteArray &name); // show it on the "Rezepte" tab

private:
    void setAllChecked(bool checked);

    AppContext &m_context;
    HttpClient *m_http = nullptr;
    CatalogueList *m_catalogueList = nullptr;

    QToolBar *TntToolBar4;
    QToolButton *TntToolButton20;
    QToolButton *TB76;
    QListWidget *TntCheckListBox2;
    QMenu *TntPopupMenu2;
    QAction *Markall1;
    QAction *Marknone1;
};
