#pragma once

#include "online/Catalogue.h"
#include "online/HttpClient.h"
#include "online/PackageImport.h"

#include <QWidget>

#include <memory>

struct AppContext;
class QAction;
class QComboBox;
class QListWidget;
class QMenu;
class QProgressBar;
class QPushButton;
class QTreeWidget;

// The "Datenbank updaten" tab: fetching the server catalogue and importing chosen recipes.
// It owns the run's HTTP client and the catalogue list, which the upload tab shares.
class UpdateTab : public QWidget {
    Q_OBJECT
public:
    explicit UpdateTab(AppContext &context, QWidget *parent = nullptr);

    HttpClient &httpClient() { return m_http; }
    CatalogueList &catalogueList() { return m_catalogueList; }
    PackageImporter &importer() { return m_importer; }

    void TntBitBtn3Click();       // fetch and list
    void TntComboBox5Change();    // refill the value list, all ticked, then filter
    void TntCheckListBox5Click(); // filter
    void TntComboBox6Change();
    void SpeedButton2Click();
    void TntMenuItem1Click();
    void TntMenuItem2Click();
    void TntListView1ColumnClick(int column);
    void TntBitBtn2Click(); // forget deleted recipes
    void BitBtn1Click();    // add the ticked recipes to the store

    int SortColumn = 0;
    bool SortAscending = true;
    int LastClickedColumn = 0;

Q_SIGNALS:
    void recipesChanged(); // the store got recipes: both recipe lists must be refreshed

private:
    QString catalogueAddress() const;
    void showListing(const ListingRule &rule);
    void sortList();
    void setAllChecked(bool checked);

    AppContext &m_context;
    HttpClient m_http;
    CatalogueList m_catalogueList;
    PackageImporter m_importer;

    QComboBox *TntComboBox5;
    QPushButton *SpeedButton2;
    QListWidget *TntCheckListBox5;
    QComboBox *TntComboBox6;
    QPushButton *TntBitBtn3;
    QPushButton *BitBtn1;
    QPushButton *TntBitBtn2;
    QTreeWidget *TntListView1;
    QMenu *TntPopupMenu3;
    QAction *TntMenuItem1;
    QAction *TntMenuItem2;
    QProgressBar *ProgressBar1;
};
