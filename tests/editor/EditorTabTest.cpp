#include "editor/EditorTab.h"
#include "app/Dizevadi.h"
#include "browse/RecipeTabs.h"
#include "store/AppContext.h"
#include "store/Database.h"
#include "store/JpegCodec.h"
#include "tests/support/TempDataDir.h"
#include "tests/support/TestProgram.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QImageWriter>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

namespace {

QImage testPicture(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB888);
    image.fill(QColor(40, 120, 200));
    QPainter painter(&image);
    painter.fillRect(0, 0, width / 2, height / 2, QColor(250, 200, 20));
    return image;
}

class Editor : public ::testing::Test {
protected:
    void SetUp() override { t = std::make_unique<TestProgram>(dir.path()); }

    RecipeStore &store() { return t->program().context().store; }
    EditorTab &editor() { return *t->find<EditorTab>(QStringLiteral("TntTabSheet5")); }
    template <typename T> T &control(const char *name)
    {
        T *found = t->find<T>(QLatin1String(name));
        if (!found)
            throw std::runtime_error(std::string("no control ") + name);
        return *found;
    }
    QLineEdit &nameField() { return control<QLineEdit>("TntEdit1"); }
    QLineEdit &authorField() { return control<QLineEdit>("TntEdit2"); }
    QComboBox &dimensionBox() { return control<QComboBox>("TntComboBox2"); }
    QListWidget &valueList() { return control<QListWidget>("TntCheckListBox3"); }
    QComboBox &languageBox() { return control<QComboBox>("TntComboBox3"); }
    QPushButton &saveButton() { return control<QPushButton>("TntBitBtn1"); }
    QPlainTextEdit &ingredients() { return control<QPlainTextEdit>("TntMemo1"); }
    QPlainTextEdit &preparation() { return control<QPlainTextEdit>("TntMemo2"); }
    bool pictureShown() { return !control<QLabel>("Image1").pixmap().isNull(); }

    void chooseDimension(int position)
    {
        dimensionBox().setCurrentIndex(position);
        Q_EMIT dimensionBox().activated(position);
    }

    // Stores a recipe as the package import would (not own), optionally with a picture.
    void addStored(const QByteArray &name, const QByteArray &dimension, const QByteArray &categories,
                   const QByteArray &picture = {}, const QByteArray &language = "English")
    {
        if (!picture.isEmpty())
            dir.write("temp2.jpg", picture);
        store().addRecipe({"Mehl\r\nEier", "Ruehren.", name, "Koch", dimension, categories, language,
                           !picture.isEmpty(), false});
    }

    QByteArray field(const QByteArray &name, int fieldIndex)
    {
        const std::optional<int> r = store().findFirst(name);
        return r ? store().line(*r, fieldIndex).toByteArray() : QByteArray("<missing>");
    }

    // Runs the open-picture button with the dialog accepting this file.
    void choosePicture(const QString &path)
    {
        t->onNextDialog([path](QDialog &dialog) {
            auto &files = static_cast<QFileDialog &>(dialog);
            files.selectFile(path);
            return int(QDialog::Accepted);
        });
        control<QToolButton>("TntToolButton23").click();
    }

    QString writePicture(const QString &fileName, const char *format, const QImage &image)
    {
        QImageWriter writer(dir.file(fileName), format);
        EXPECT_TRUE(writer.write(image)) << writer.errorString().toStdString();
        return dir.file(fileName);
    }

    TempDataDir dir;
    std::unique_ptr<TestProgram> t;
};

TEST_F(Editor, StartsEmptyWithSaveDisabledAndTheFourthDimension)
{
    EXPECT_FALSE(saveButton().isEnabled());
    EXPECT_EQ(dimensionBox().count(), 6);
    EXPECT_EQ(dimensionBox().currentIndex(), 3);
    EXPECT_EQ(valueList().count(), 21);
    EXPECT_EQ(languageBox().currentText(), QStringLiteral("English"));
    EXPECT_FALSE(editor().hasPicture());
    EXPECT_FALSE(dimensionBox().isEditable());
}

TEST_F(Editor, LaysOutTheControlsAtTheirSizes)
{
    t->main().show();
    t->main().pageControl()->setCurrentIndex(3);
    QCoreApplication::processEvents();
    EXPECT_EQ(control<QListWidget>("TntCheckListBox3").size(), QSize(153, 97));
    EXPECT_EQ(saveButton().size(), QSize(153, 25));
    for (const char *name : {"TntEdit1", "TntEdit2", "TntComboBox2", "TntComboBox3"})
        EXPECT_EQ(control<QWidget>(name).width(), 153) << name;
    for (const char *name : {"TntToolButton23", "TntToolButton12"}) {
        auto &button = control<QToolButton>(name);
        EXPECT_EQ(button.size(), QSize(41, 31)) << name;
        EXPECT_FALSE(button.icon().isNull()) << name;
        EXPECT_FALSE(button.toolTip().isEmpty()) << name;
        EXPECT_TRUE(button.autoRaise()) << name;
    }
    EXPECT_EQ(control<QWidget>("EditorFields").width(), 185);
    EXPECT_EQ(control<QWidget>("EditorTopArea").height(), 169);
    EXPECT_EQ(control<QLabel>("Image1").width(), 200);
    const QRect memo = control<QWidget>("TntMemo2").geometry();
    EXPECT_EQ(memo.top(), 169 + 3);
    EXPECT_GT(memo.height(), 200);
    EXPECT_TRUE(control<QWidget>("TntGroupBox1").isAncestorOf(&ingredients()));
}

TEST_F(Editor, NewRecipeWithoutMarksBelongsToEveryValue)
{
    chooseDimension(0);
    ASSERT_EQ(valueList().count(), 6);
    nameField().setText(QStringLiteral("Grüne Suppe"));
    EXPECT_TRUE(saveButton().isEnabled());
    authorField().setText(QStringLiteral("Ana"));
    ingredients().setPlainText(QStringLiteral("Erbsen\nMinze"));
    preparation().setPlainText(QStringLiteral("Kochen.\n\nPürieren.\n"));
    saveButton().click();

    const QByteArray name = QStringLiteral("Grüne Suppe").toUtf8();
    EXPECT_EQ(field(name, FieldDimension), "1");
    EXPECT_EQ(field(name, FieldCategories), "111111");
    EXPECT_EQ(field(name, FieldLanguage), "English");
    EXPECT_EQ(field(name, FieldOwn), "True");
    EXPECT_EQ(field(name, FieldAuthor), "Ana");
    EXPECT_EQ(field(name, FieldPictureOffset), "-1");
    const int r = *store().findFirst(name);
    EXPECT_EQ(store().ingredientsOf(r), "Erbsen\r\nMinze");
    EXPECT_EQ(store().preparationOf(r), QStringLiteral("Kochen.\r\n\r\nPürieren.\r\n").toUtf8());

    // The editor is ready for the next recipe, keeping dimension and language.
    EXPECT_TRUE(nameField().text().isEmpty());
    EXPECT_TRUE(authorField().text().isEmpty());
    EXPECT_TRUE(ingredients().toPlainText().isEmpty());
    EXPECT_TRUE(preparation().toPlainText().isEmpty());
    EXPECT_EQ(dimensionBox().currentIndex(), 0);
    EXPECT_EQ(languageBox().currentText(), QStringLiteral("English"));
    ASSERT_EQ(valueList().count(), 6);
    for (int i = 0; i < valueList().count(); ++i)
        EXPECT_EQ(valueList().item(i)->checkState(), Qt::Unchecked);
    EXPECT_TRUE(t->messages.isEmpty()) << t->messages.join('\n').toStdString();
}

TEST_F(Editor, MarkedValuesBecomeTheBitString)
{
    chooseDimension(4);
    valueList().item(1)->setCheckState(Qt::Checked);
    nameField().setText(QStringLiteral("Brot"));
    saveButton().click();
    EXPECT_EQ(field("Brot", FieldDimension), "5");
    EXPECT_EQ(field("Brot", FieldCategories), "010");
}

TEST_F(Editor, SavingTheNameOfACatalogueRecipeReplacesIt)
{
    addStored("Vorher", "3", "100000");
    addStored("Pasta", "4", QByteArray(21, '1'));
    addStored("Nachher", "3", "010000");
    ASSERT_TRUE(editor().loadRecipe("Pasta"));
    EXPECT_FALSE(nameField().isEnabled());
    EXPECT_FALSE(authorField().isEnabled());
    EXPECT_TRUE(saveButton().isEnabled());
    ingredients().setPlainText(QStringLiteral("Nudeln"));
    saveButton().click();

    EXPECT_EQ(store().recordCount(), 3);
    EXPECT_EQ(field("Pasta", FieldOwn), "True");
    EXPECT_EQ(store().ingredientsOf(*store().findFirst("Pasta")), "Nudeln");
    EXPECT_EQ(store().line(2, FieldName), "Pasta"); // the new record comes last
    EXPECT_EQ(store().line(1, FieldName), "Nachher");
    EXPECT_EQ(dir.read("DelRez.dat"), "Pasta\r\n");
    EXPECT_TRUE(nameField().isEnabled());
    EXPECT_TRUE(authorField().isEnabled());
}

TEST_F(Editor, LoadingShowsTheRecipesDimensionValuesAndLanguage)
{
    addStored("Salat", "2", "01000001", {}, "german");
    ASSERT_EQ(dimensionBox().currentIndex(), 3);
    ASSERT_TRUE(editor().loadRecipe("Salat"));
    EXPECT_EQ(nameField().text(), QStringLiteral("Salat"));
    EXPECT_EQ(authorField().text(), QStringLiteral("Koch"));
    EXPECT_EQ(dimensionBox().currentIndex(), 1);
    ASSERT_EQ(valueList().count(), 8);
    for (int i = 0; i < 8; ++i)
        EXPECT_EQ(valueList().item(i)->checkState(), i == 1 || i == 7 ? Qt::Checked : Qt::Unchecked) << i;
    EXPECT_EQ(languageBox().currentText(), QStringLiteral("German"));
    EXPECT_EQ(ingredients().toPlainText(), QStringLiteral("Mehl\nEier"));
    EXPECT_EQ(preparation().toPlainText(), QStringLiteral("Ruehren."));
    EXPECT_FALSE(editor().hasPicture());
}

TEST_F(Editor, LoadingOddRecordsLeavesBoxesWithoutSelection)
{
    const struct {
        QByteArray dimension, categories, language;
        int position, items;
        QList<int> marked;
    } cases[] = {
        {"0", "1", "English", -1, 0, {}},
        {"9", "1", "English", -1, 0, {}},
        {"x", "1", "Klingon", -1, 0, {}},
        {"5", "1", "", 4, 3, {0}}, // short bit string: the rest stays unmarked
        {"6", QByteArray(30, '1'), "ENGLISH", 5, 23, {}},
    };
    for (const auto &c : cases) {
        addStored("Odd", c.dimension, c.categories, {}, c.language);
        ASSERT_TRUE(editor().loadRecipe("Odd"));
        EXPECT_EQ(dimensionBox().currentIndex(), c.position) << c.dimension.constData();
        ASSERT_EQ(valueList().count(), c.items) << c.dimension.constData();
        for (int i = 0; i < c.items; ++i) {
            const bool marked = c.marked.contains(i) || c.categories == QByteArray(30, '1');
            EXPECT_EQ(valueList().item(i)->checkState() == Qt::Checked, marked)
                << c.dimension.constData() << i;
        }
        const bool known = c.language.compare("Klingon") != 0 && !c.language.isEmpty();
        EXPECT_EQ(languageBox().currentIndex() >= 0, known) << c.language.constData();
        if (known) {
            EXPECT_EQ(languageBox().currentText(), QStringLiteral("English"));
        }
        store().deleteRecipe("Odd");
    }
    EXPECT_FALSE(editor().loadRecipe("nobody"));
    EXPECT_EQ(nameField().text(), QStringLiteral("Odd"));
}

TEST_F(Editor, LoadingARecipeWithoutPictureDropsAChosenOne)
{
    addStored("Ohne", "1", "100000");
    choosePicture(writePicture("chosen.png", "png", testPicture(80, 60)));
    ASSERT_TRUE(editor().hasPicture());
    ASSERT_TRUE(pictureShown());
    ASSERT_TRUE(editor().loadRecipe("Ohne"));
    EXPECT_FALSE(editor().hasPicture());
    EXPECT_FALSE(pictureShown());
    saveButton().click();
    EXPECT_EQ(field("Ohne", FieldPictureOffset), "-1");
    EXPECT_EQ(store().recordCount(), 1);
}

TEST_F(Editor, LoadingARecipeWithPictureKeepsItThroughSave)
{
    const QByteArray jpeg = encodeJpeg(testPicture(300, 200), 80);
    addStored("Mit", "1", "100000", jpeg);
    ASSERT_TRUE(editor().loadRecipe("Mit"));
    EXPECT_TRUE(editor().hasPicture());
    EXPECT_TRUE(pictureShown());
    EXPECT_EQ(editor().picture().size(), QSize(300, 200));
    saveButton().click();
    const std::optional<QByteArray> stored = store().pictureOf(*store().findFirst("Mit"));
    ASSERT_TRUE(stored.has_value());
    EXPECT_EQ(decodeJpeg(*stored).size(), QSize(300, 200));
    EXPECT_FALSE(pictureShown());
    EXPECT_FALSE(editor().hasPicture());
}

TEST_F(Editor, PicturesOfEveryReadableFormatAreStoredAsJpegOf300Pixels)
{
    const struct {
        const char *file, *format;
        QSize size, stored;
    } cases[] = {
        {"p.png", "png", {640, 480}, {300, 225}},        {"p.bmp", "bmp", {480, 640}, {225, 300}},
        {"p.gif", "gif", {100, 50}, {300, 150}},         {"p.jpg", "jpeg", {1200, 1200}, {300, 300}},
        {"no-extension", "png", {301, 300}, {300, 299}},
    };
    bool sawDialog = false;
    for (const auto &c : cases) {
        if (!QImageWriter::supportedImageFormats().contains(c.format))
            continue;
        const QString path =
            writePicture(QLatin1String(c.file), c.format, testPicture(c.size.width(), c.size.height()));
        t->onNextDialog([&, path](QDialog &dialog) {
            auto &files = static_cast<QFileDialog &>(dialog);
            EXPECT_TRUE(files.testOption(QFileDialog::DontUseNativeDialog));
            EXPECT_EQ(files.fileMode(), QFileDialog::ExistingFile);
            EXPECT_TRUE(files.nameFilters().join(' ').contains(QLatin1String("*.png")));
            EXPECT_TRUE(files.nameFilters().join(' ').contains(QLatin1String("*.bmp")));
            files.selectFile(path);
            sawDialog = true;
            return int(QDialog::Accepted);
        });
        control<QToolButton>("TntToolButton23").click();
        ASSERT_TRUE(editor().hasPicture()) << c.file << t->messages.join('\n').toStdString();
        nameField().setText(QLatin1String(c.file));
        saveButton().click();
        const std::optional<int> r = store().findFirst(c.file);
        ASSERT_TRUE(r.has_value()) << c.file << t->messages.join('\n').toStdString();
        const std::optional<QByteArray> picture = store().pictureOf(*r);
        ASSERT_TRUE(picture.has_value()) << c.file;
        EXPECT_TRUE(looksLikeJpeg(*picture)) << c.file;
        EXPECT_EQ(decodeJpeg(*picture).size(), c.stored) << c.file;
        EXPECT_EQ(*picture, dir.read("temp2.jpg")) << c.file;
        const QRgb corner = decodeJpeg(*picture).pixel(2, 2);
        EXPECT_NEAR(qRed(corner), 250, 12) << c.file;
    }
    EXPECT_TRUE(sawDialog);
    EXPECT_TRUE(t->messages.isEmpty()) << t->messages.join('\n').toStdString();
}

TEST_F(Editor, TransparentPicturesAreLaidOnWhite)
{
    QImage clear(40, 40, QImage::Format_ARGB32);
    clear.fill(Qt::transparent);
    choosePicture(writePicture("clear.png", "png", clear));
    ASSERT_TRUE(editor().hasPicture());
    EXPECT_EQ(editor().picture().pixel(10, 10), qRgb(255, 255, 255));
}

TEST_F(Editor, CancelledOrUnreadablePictureChangesNothing)
{
    choosePicture(writePicture("first.png", "png", testPicture(50, 40)));
    ASSERT_TRUE(editor().hasPicture());

    t->onNextDialog([](QDialog &) { return int(QDialog::Rejected); });
    control<QToolButton>("TntToolButton23").click();
    EXPECT_EQ(editor().picture().size(), QSize(50, 40));

    dir.write("notes.png", "just some text");
    choosePicture(dir.file("notes.png"));
    ASSERT_EQ(t->messages.size(), 1);
    EXPECT_TRUE(t->messages[0].contains(QLatin1String("notes.png"))) << t->messages[0].toStdString();
    EXPECT_EQ(editor().picture().size(), QSize(50, 40));
    EXPECT_TRUE(pictureShown());

    control<QToolButton>("TntToolButton12").click();
    EXPECT_FALSE(editor().hasPicture());
    EXPECT_FALSE(pictureShown());
}

TEST_F(Editor, FailedSaveKeepsTheStoredRecipeAndTheEditor)
{
    const QByteArray jpeg = encodeJpeg(testPicture(120, 90), 80);
    addStored("Kuchen", "1", "100000", jpeg);
    for (const char *blocked : {"temp.jpg", "temp2.jpg"}) {
        ASSERT_TRUE(editor().loadRecipe("Kuchen"));
        ingredients().setPlainText(QStringLiteral("neu"));
        const QByteArray indexBefore = dir.read("RezList.dat");
        const qint64 dataBefore = dir.read("Rezepte.dat").size();
        QFile::remove(dir.file(QLatin1String(blocked)));
        ASSERT_TRUE(QDir(dir.path()).mkdir(QLatin1String(blocked))); // a folder cannot be written as a file
        t->messages.clear();
        saveButton().click();

        EXPECT_EQ(t->messages.size(), 1) << blocked;
        EXPECT_EQ(dir.read("RezList.dat"), indexBefore) << blocked;
        EXPECT_EQ(dir.read("Rezepte.dat").size(), dataBefore) << blocked;
        EXPECT_FALSE(dir.exists("DelRez.dat")) << blocked;
        EXPECT_EQ(store().pictureOf(*store().findFirst("Kuchen")), jpeg) << blocked;
        EXPECT_EQ(nameField().text(), QStringLiteral("Kuchen")) << blocked;
        EXPECT_FALSE(nameField().isEnabled()) << blocked;
        EXPECT_EQ(ingredients().toPlainText(), QStringLiteral("neu")) << blocked;
        EXPECT_TRUE(editor().hasPicture()) << blocked;
        ASSERT_TRUE(QDir(dir.path()).rmdir(QLatin1String(blocked)));
    }

    saveButton().click();
    EXPECT_EQ(store().recordCount(), 1);
    EXPECT_EQ(store().ingredientsOf(*store().findFirst("Kuchen")), "neu");
}

TEST_F(Editor, DamagedStoredPictureIsReportedAndLeftOut)
{
    addStored("Kaputt", "1", "100000", "not a jpeg at all");
    ASSERT_TRUE(editor().loadRecipe("Kaputt"));
    EXPECT_EQ(t->messages.size(), 1);
    EXPECT_FALSE(editor().hasPicture());
    EXPECT_EQ(nameField().text(), QStringLiteral("Kaputt"));
}

TEST_F(Editor, EmptyNameCanBeSavedOnlyWhileNoRecipeHasIt)
{
    EXPECT_FALSE(saveButton().isEnabled());
    QTest::keyClicks(&nameField(), QStringLiteral("x"));
    EXPECT_TRUE(saveButton().isEnabled());
    QTest::keyClick(&nameField(), Qt::Key_Backspace);
    EXPECT_TRUE(nameField().text().isEmpty());
    EXPECT_TRUE(saveButton().isEnabled()); // no recipe has an empty name yet
    saveButton().click();
    EXPECT_FALSE(store().isNameFree(""));
    EXPECT_FALSE(saveButton().isEnabled());
    QTest::keyClicks(&nameField(), QStringLiteral("y"));
    EXPECT_TRUE(saveButton().isEnabled());
    QTest::keyClick(&nameField(), Qt::Key_Backspace);
    EXPECT_FALSE(saveButton().isEnabled());
}

TEST_F(Editor, CtrlASelectsAllOfAText)
{
    for (QPlainTextEdit *memo : {&ingredients(), &preparation()}) {
        memo->setPlainText(QStringLiteral("zwei\nZeilen"));
        QTest::keyClick(memo, Qt::Key_A, Qt::ControlModifier);
        EXPECT_EQ(memo->textCursor().selectedText(),
                  QStringLiteral("zwei") + QChar::ParagraphSeparator + "Zeilen");
        memo->moveCursor(QTextCursor::End);
        QTest::keyClick(memo, Qt::Key_A);
        EXPECT_EQ(memo->toPlainText(), QStringLiteral("zwei\nZeilena"));
    }
}

// The row of a recipe list that shows this name, or an invalid index.
QModelIndex rowOf(QAbstractItemView &list, const QString &name)
{
    const QModelIndexList found =
        list.model()->match(list.model()->index(0, 0), Qt::DisplayRole, name, 1, Qt::MatchExactly);
    return found.value(0);
}

TEST_F(Editor, SavingRefreshesTheRecipeLists)
{
    auto *own = t->find<QAbstractItemView>(QStringLiteral("TntListBox2"));
    if (!own || !own->model())
        GTEST_SKIP() << "the own-recipe list is not built yet";
    t->find<QComboBox>(QStringLiteral("TntComboBox4"))->setCurrentIndex(3);
    nameField().setText(QStringLiteral("Neu im Buch"));
    chooseDimension(3);
    saveButton().click();
    EXPECT_TRUE(rowOf(*own, QStringLiteral("Neu im Buch")).isValid());
}

TEST_F(Editor, InEditorLadenLoadsTheSelectedRecipeAndShowsTheEditor)
{
    addStored("Eintopf", "4", QByteArray(21, '1'));
    t->main().RefreshRecipeLists();
    auto *list = t->find<QAbstractItemView>(QStringLiteral("TntListBox1"));
    if (!list || !list->model() || list->model()->rowCount() == 0)
        GTEST_SKIP() << "the catalogue list is not built yet";
    auto *catalogue = t->find<CatalogueTab>(QStringLiteral("TntTabSheet1"));
    list->clearSelection();
    list->setCurrentIndex(QModelIndex());
    Q_EMIT catalogue->InEditorladen1Click();
    EXPECT_TRUE(nameField().text().isEmpty()) << "nothing selected, nothing loaded";
    EXPECT_NE(t->main().pageControl()->currentIndex(), 3);

    const QModelIndex row = rowOf(*list, QStringLiteral("Eintopf"));
    ASSERT_TRUE(row.isValid());
    list->setCurrentIndex(row);
    list->selectionModel()->select(row, QItemSelectionModel::ClearAndSelect);
    Q_EMIT catalogue->InEditorladen1Click();
    EXPECT_EQ(nameField().text(), QStringLiteral("Eintopf"));
    EXPECT_FALSE(nameField().isEnabled());
    EXPECT_EQ(t->main().pageControl()->currentIndex(), 3);
}

} // namespace
