#pragma once

#include <QWidget>

#include <functional>

struct AppContext;
class AboutTab;
class CalendarTab;
class CatalogueTab;
class CommunityTab;
class EditorTab;
class FoldersTab;
class OwnRecipesTab;
class QTabWidget;
class Settings;
class TForm14;
class TForm2;
class TForm3;
class TForm4;
class TInfoForm;
class ShoppingListTab;
class UpdateTab;
class UploadTab;

// The main window: the page control with its ten tabs, and the wiring between them.
class TForm1 : public QWidget {
    Q_OBJECT
public:
    explicit TForm1(AppContext &context);

    // FormCreate's steps that need the tabs: loading the data files, the first list refresh.
    void FormCreate();
    void FillFontList();

    // Wires the handlers that reach the other windows and the settings, once they exist.
    void connectWindows(Settings &settings, TForm2 &search, TForm3 &date, TForm4 &print, TInfoForm &info,
                        TForm14 &donation);

    // Steps the settings and language start-up call into.
    void RefreshRecipeLists();
    void runDimensionChangeHandlers(); // TntComboBox1, 2, 4 and 5, in this order
    void ReloadFolderTree();
    void expandFolderTree();
    void setDateStyle(int style);

    QTabWidget *pageControl() const { return TntPageControl1; }
    AboutTab *aboutTab() const { return m_about; }

    // Runs before the window closes (FormCloseQuery); never refuses.
    std::function<void()> onCloseQuery;

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void LoadStore();
    // A handler that runs under the error report.
    std::function<void()> guarded(std::function<void()> handler) const;

    // Cross-tab wiring, one function per subsystem.
    void wireBrowse(TForm2 &search);
    void wireEditor();
    void wireFolders();
    void wirePlanner(TForm3 &date, TForm4 &print);
    void wirePrint(TForm4 &print);
    void wireOnline(Settings &settings);

    AppContext &m_context;
    QTabWidget *TntPageControl1;
    CatalogueTab *m_catalogue;
    OwnRecipesTab *m_own;
    FoldersTab *m_folders;
    EditorTab *m_editor;
    ShoppingListTab *m_shopping;
    CalendarTab *m_calendar;
    UploadTab *m_upload;
    UpdateTab *m_update;
    CommunityTab *m_community;
    AboutTab *m_about;
};
