#include "app/Settings.h"

#include "about/AboutTab.h"
#include "app/Dizevadi.h"
#include "app/LanguageTable.h"
#include "browse/Search.h"
#include "common/Error.h"
#include "common/FileIO.h"
#include "common/LanguageTexts.h"
#include "common/Platform.h"
#include "common/TextEncoding.h"
#include "common/TextLines.h"
#include "planner/DatePicker.h"
#include "print/Printer.h"
#include "store/AppContext.h"
#include "store/Categories.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QFontDatabase>
#include <QLayout>
#include <QSplitter>
#include <QTabWidget>

#include <algorithm>
#include <optional>

namespace {

const char *const kDimensionBoxes[] = {"TntComboBox1", "TntComboBox2", "TntComboBox4", "TntComboBox5"};

QString tr(const char *text) { return QCoreApplication::translate("Settings", text); }

std::optional<int> strictNumber(const QByteArray &text)
{
    bool ok = false;
    const int value = text.toInt(&ok);
    if (!ok || text.trimmed() != text)
        return std::nullopt;
    return value;
}

QWidget *panel(QWidget &window, const char *name) { return window.findChild<QWidget *>(QLatin1String(name)); }

// A panel on a page never shown has no laid-out width yet: it keeps the width it was given.
class PanelWidth : public QObject {
public:
    PanelWidth(QWidget *panel, int width) : QObject(panel), m_panel(panel), m_width(width)
    {
        setObjectName(QLatin1String(kName));
        panel->installEventFilter(this);
    }
    static PanelWidth *of(QWidget *panel)
    {
        return panel ? static_cast<PanelWidth *>(
                           panel->findChild<QObject *>(QLatin1String(kName), Qt::FindDirectChildrenOnly))
                     : nullptr;
    }
    int width() const { return m_shown ? m_panel->width() : m_width; }
    void set(int width) { m_width = width; }

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Show)
            m_shown = true;
        return false;
    }

private:
    static constexpr char kName[] = "PanelWidthMemory";
    QWidget *m_panel;
    int m_width;
    bool m_shown = false;
};

void rememberPanel(QWidget *panel, int width)
{
    if (panel && !PanelWidth::of(panel))
        new PanelWidth(panel, width);
}

int panelWidth(QWidget *panel)
{
    const PanelWidth *memory = PanelWidth::of(panel);
    return memory ? memory->width() : panel ? panel->width() : 0;
}

// Panels sit in splitters; the splitter needs a laid-out size before a width can be given.
void setPanelWidth(QWidget *panel, int width)
{
    if (!panel)
        return;
    if (PanelWidth *memory = PanelWidth::of(panel))
        memory->set(width);
    auto *splitter = qobject_cast<QSplitter *>(panel->parentWidget());
    if (!splitter) {
        panel->resize(width, panel->height());
        return;
    }
    if (QLayout *layout = splitter->window()->layout())
        layout->activate();
    QList<int> sizes = splitter->sizes();
    const int index = splitter->indexOf(panel);
    int total = 0;
    for (int s : sizes)
        total += s;
    if (total <= 0)
        total = splitter->width();
    sizes[index] = width;
    if (sizes.size() > 1) {
        const int other = index + 1 < sizes.size() ? index + 1 : index - 1;
        sizes[other] = std::max(1, total - width);
    }
    splitter->setSizes(sizes);
}


} // namespace

QStringList ListLanguageFiles(const QString &folder)
{
    QStringList names;
    QDir dir(folder);
    if (!dir.exists())
        return names;
    const QFileInfoList entries = dir.entryInfoList(QDir::Files | QDir::Hidden | QDir::System, QDir::NoSort);
    for (const QFileInfo &entry : entries) {
        const QString name = entry.fileName();
        const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
        names.append(dot < 0 ? name : name.left(dot));
    }
    return names;
}

void FillFontList(QComboBox &fontNameBox)
{
    QStringList families = QFontDatabase::families();
    families.removeDuplicates();
    std::sort(families.begin(), families.end(),
              [](const QString &a, const QString &b) { return a.compare(b, Qt::CaseInsensitive) < 0; });
    fontNameBox.addItems(families);
    fontNameBox.setCurrentIndex(-1);
}

void selectByText(QComboBox &box, const QString &text)
{
    for (int i = 0; i < box.count(); ++i)
        if (box.itemText(i).compare(text, Qt::CaseInsensitive) == 0) {
            box.setCurrentIndex(i);
            return;
        }
    box.setCurrentIndex(-1);
}

Settings::Settings(AppContext &context, TForm1 &main, TForm2 &search, TForm3 &date, TForm4 &print)
    : m_context(context), m_main(main), m_search(search), m_date(date), m_print(print)
{
}

QString Settings::languageFolder() const { return m_context.platform.programFolder + QStringLiteral("Languages/"); }

void Settings::reportLanguageProblem(const QString &text)
{
    if (m_reported.contains(text))
        return;
    m_reported.insert(text);
    m_context.platform.showMessage(text);
}

void Settings::loadLanguage(const QString &name)
{
    const QString path = languageFolder() + name + QStringLiteral(".txt");
    try {
        m_context.texts.load(path);
    } catch (const Error &) {
        reportLanguageProblem(tr("The language file \"%1\" could not be read. The texts are shown in English.")
                                  .arg(QDir::toNativeSeparators(path)));
        return;
    }
    if (m_context.texts.loadedCount() < LanguageTexts::kCount)
        reportLanguageProblem(
            tr("The language file \"%1\" has only %2 of its %3 texts; the missing ones are shown in English.")
                .arg(QDir::toNativeSeparators(path))
                .arg(m_context.texts.loadedCount())
                .arg(LanguageTexts::kCount));
}

void Settings::FormCreate()
{
    rememberPanel(panel(m_main, "Panel2"), 185);
    rememberPanel(panel(m_main, "Panel11"), 185);
    rememberPanel(panel(m_main, "TntTreeView1"), 161);
    const QStringList languages = ListLanguageFiles(languageFolder());
    for (const char *name : {"TntComboBox7", "TntComboBox6", "TntComboBox3"})
        if (auto *box = m_main.findChild<QComboBox *>(QLatin1String(name))) {
            box->clear();
            box->addItems(languages);
        }

    if (!restoreFromLangIni()) {
        for (const char *name : {"TntComboBox7", "TntComboBox6", "TntComboBox3"})
            if (auto *box = m_main.findChild<QComboBox *>(QLatin1String(name)))
                selectByText(*box, QStringLiteral("English"));
        loadLanguage(QStringLiteral("English"));
        m_main.pageControl()->setCurrentIndex(9);
    }
    ApplyLanguageTexts();
    m_main.ReloadFolderTree();
    m_main.expandFolderTree();
}

bool Settings::restoreFromLangIni()
{
    const QString iniPath = m_context.dataDir + QStringLiteral("Lang.ini");
    if (!QFileInfo::exists(iniPath))
        return false;
    // Any failure ends the restore silently: what was applied stays, the rest keeps its default.
    try {
        const QList<QByteArray> lines = splitLines(readWholeFile(iniPath));
        auto lineAt = [&](int i) {
            if (i >= lines.size())
                throw Error(QString());
            return lines.at(i);
        };
        auto number = [&](int i) {
            if (const auto value = strictNumber(lineAt(i)))
                return *value;
            throw Error(QString());
        };
        const QString language = fromAnsi(lineAt(0));
        const QString path = languageFolder() + language + QStringLiteral(".txt");
        LanguageTexts loaded;
        loaded.load(path);
        m_context.texts = loaded;
        for (const char *name : {"TntComboBox7", "TntComboBox6", "TntComboBox3"})
            if (auto *box = m_main.findChild<QComboBox *>(QLatin1String(name)))
                selectByText(*box, language);
        AboutTab &about = *m_main.aboutTab();
        selectByText(*about.fontNameBox(), fromAnsi(lineAt(1)));
        const int height = number(2);
        m_main.resize(m_main.width(), height);
        const int width = number(3);
        m_main.resize(width, m_main.height());
        selectByText(*about.fontSizeBox(), fromAnsi(lineAt(4)));
        ComboBox1Change();
        const int panelLeft = number(5);
        setPanelWidth(panel(m_main, "Panel2"), panelLeft);
        setPanelWidth(panel(m_main, "Panel11"), panelLeft);
        setPanelWidth(panel(m_main, "TntTreeView1"), number(6));
    } catch (const std::exception &) {
    }
    return true;
}

void Settings::FillCategoryBoxes()
{
    QComboBox *boxes[4];
    for (int i = 0; i < 4; ++i) {
        boxes[i] = m_main.findChild<QComboBox *>(QLatin1String(kDimensionBoxes[i]));
        if (boxes[i])
            boxes[i]->clear();
    }
    QComboBox *searchBox = m_search.dimensionBox();
    searchBox->clear();
    searchBox->addItem(m_context.texts.text(126));
    for (int dimension = 1; dimension <= 6; ++dimension) {
        const QString label = QString::fromUtf8(CategoryLabel(m_context.texts, dimension, -1));
        searchBox->addItem(label);
        for (QComboBox *box : boxes)
            if (box)
                box->addItem(label);
    }
    if (boxes[2])
        boxes[2]->addItem(m_context.texts.text(120));
    searchBox->setCurrentIndex(0);
}

void Settings::ApplyLanguageTexts()
{
    const AboutTab &about = *m_main.aboutTab();
    m_main.setDateStyle(about.languageBox()->currentText() == QLatin1String("German") ? 1 : 0);
    for (const TextPlacement &placement : languageTable()) {
        QWidget *window = nullptr;
        switch (placement.window) {
        case TextWindow::Main:
            window = &m_main;
            break;
        case TextWindow::Search:
            window = &m_search;
            break;
        case TextWindow::Date:
            window = &m_date;
            break;
        case TextWindow::Print:
            window = &m_print;
            break;
        }
        applyPlacement(window, placement, m_context.texts.text(placement.index));
    }
    FillCategoryBoxes();
    for (const char *name : kDimensionBoxes)
        if (auto *box = m_main.findChild<QComboBox *>(QLatin1String(name)))
            box->setCurrentIndex(3);
    m_search.relabel(m_context.texts.text(3), m_context.texts.text(125),
                     {m_context.texts.text(128), m_context.texts.text(21), m_context.texts.text(127)});
    m_main.runDimensionChangeHandlers();
}

void Settings::SaveSettings()
{
    AboutTab &about = *m_main.aboutTab();
    loadLanguage(about.languageBox()->currentText());
    ApplyLanguageTexts();
    const QList<QByteArray> lines = {
        toAnsi(about.languageBox()->currentText()),
        toAnsi(m_main.font().family()),
        QByteArray::number(m_main.height()),
        QByteArray::number(m_main.width()),
        toAnsi(about.fontSizeBox()->currentText()),
        QByteArray::number(panelWidth(panel(m_main, "Panel2"))),
        QByteArray::number(panelWidth(panel(m_main, "TntTreeView1"))),
    };
    writeFileAtomically(m_context.dataDir + QStringLiteral("Lang.ini"), joinLinesCrLf(lines));
}

void Settings::TntComboBox7Change()
{
    AboutTab &about = *m_main.aboutTab();
    loadLanguage(about.languageBox()->currentText());
    ApplyLanguageTexts();
    SaveSettings();
    for (const char *name : {"TntComboBox6", "TntComboBox3"})
        if (auto *box = m_main.findChild<QComboBox *>(QLatin1String(name)))
            selectByText(*box, about.languageBox()->currentText());
    m_main.ReloadFolderTree();
}

void Settings::ComboBox1Change()
{
    const QString family = m_main.aboutTab()->fontNameBox()->currentText();
    if (!family.isEmpty())
        for (QWidget *window : std::initializer_list<QWidget *>{&m_main, &m_search, &m_date, &m_print}) {
            QFont font = window->font();
            font.setFamily(family);
            window->setFont(font);
        }
    SaveSettings();
}

void Settings::ComboBox2Change() { SaveSettings(); }

QString Settings::CommunityLanguage() const
{
    return m_main.aboutTab()->languageBox()->currentText() == QLatin1String("German") ? QStringLiteral("German")
                                                                                      : QStringLiteral("English");
}
