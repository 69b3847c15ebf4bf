#include "store/RecipePage.h"
#include "tests/store/StoreFixture.h"
#include "tests/support/RecordingHtmlView.h"

#include <QWidget>
#include <gtest/gtest.h>

namespace {

const QByteArray kHead =
    "<HTML><HEAD><META http-equiv=Content-Type content=\"text/html; charset=utf-8\"></HEAD>"
    "<body bgcolor=\"#FFFFFF\" style=\"FONT-FAMILY: ";

struct PageCase {
    const char *what;
    QByteArray name, author, preparation, ingredients;
    bool picture;
    RecipePageFont font;
    QByteArray expected;
};

} // namespace

TEST(RenderRecipePage, ByteExact)
{
    TempDataDir dir(false);
    const LanguageTexts texts = numberedTexts(dir);
    const PageCase cases[] = {
        {"two ingredient lines",
         "Soup",
         "Anna",
         "Boil.",
         "1 l water\r\n2 onions",
         false,
         {"Arial", "3"},
         kHead + "Arial\">\r\n<font size=\"4\" color=\"#000000\">Soup</font><br>\r\n"
                 "<font size=\"2\">(Anna)</font><br><br>\r\n<font size=\"3\">\r\n"
                 "<b>t33</b><br>1 l water<br>\r\n2 onions<br>\r\n<br>\r\n<b>t44</b><br>Boil.<br>\r\n"
                 "</font></body></HTML>\r\n"},
        {"ingredients ending with a break, a picture",
         "Cake",
         "Bernd",
         "Bake.\r\nServe.",
         "eggs\r\n",
         true,
         {"Times New Roman", "5"},
         kHead + "Times New Roman\">\r\n<font size=\"4\" color=\"#000000\">Cake</font><br>\r\n"
                 "<font size=\"2\">(Bernd)</font><br><br>\r\n<img src= \"temp.jpg\" border=\"0\"><br><br>\r\n"
                 "<font size=\"5\">\r\n<b>t33</b><br>eggs<br>\r\n<br>\r\n<br>\r\n<b>t44</b><br>Bake.<br>\r\n"
                 "Serve.<br>\r\n</font></body></HTML>\r\n"},
        {"markup characters pass unchanged",
         "A<b>&amp;",
         "<i>&",
         "x < y & z",
         "",
         false,
         {"F\xC3\xBC", "1"},
         kHead +
             "F\xC3\xBC\">\r\n<font size=\"4\" color=\"#000000\">A<b>&amp;</font><br>\r\n"
             "<font size=\"2\">(<i>&)</font><br><br>\r\n<font size=\"1\">\r\n<b>t33</b><br><br>\r\n<br>\r\n"
             "<b>t44</b><br>x < y & z<br>\r\n</font></body></HTML>\r\n"},
        {"LF and CR breaks, final break in the preparation",
         "N",
         "",
         "p1\np2\n",
         "i1\ri2",
         false,
         {"", ""},
         kHead + "\">\r\n<font size=\"4\" color=\"#000000\">N</font><br>\r\n<font "
                 "size=\"2\">()</font><br><br>\r\n"
                 "<font "
                 "size=\"\">\r\n<b>t33</b><br>i1<br>\r\ni2<br>\r\n<br>\r\n<b>t44</b><br>p1<br>\r\np2<br>\r\n"
                 "</font></body></HTML>\r\n"},
    };
    for (const PageCase &c : cases)
        EXPECT_EQ(RenderRecipePage(c.name, c.author, c.preparation, c.picture, c.ingredients, c.font, texts),
                  c.expected)
            << c.what;
}

namespace {

struct DisplayFixture : StoreFolder {
    LanguageTexts texts;
    QWidget parent;
    RecordingHtmlView catalogue{&parent, "EmbeddedWB1"}, own{&parent, "EmbeddedWB3"},
        folder{&parent, "EmbeddedWB4"};
    std::unique_ptr<RecipeDisplay> display;
    RecipePageFont font{"Verdana", "2"};

    DisplayFixture()
    {
        texts = numberedTexts(dir);
        RecipeStore &s = open();
        NewRecipe plain = sampleRecipe("Plain", "Anna");
        plain.dimension = "3";
        s.addRecipe(plain);
        dir.write("temp2.jpg", QByteArray(300, 'J'));
        NewRecipe pictured = sampleRecipe("Pictured", "\xC3\x96lmann");
        pictured.hasPicture = true;
        s.addRecipe(pictured);
        display = std::make_unique<RecipeDisplay>(s, texts);
        display->setViews(&catalogue, &own, &folder);
        display->setFontSource([this] { return font; });
    }
    QString page() const { return dir.file("Rezept.htm"); }
};

} // namespace

TEST(ShowRecipe, EachModeShowsInItsViewAfterBlankingTheCatalogue)
{
    DisplayFixture f;
    EXPECT_EQ(f.display->ShowRecipe("Pictured", RecipeDisplay::CatalogueView), 4);
    EXPECT_EQ(f.catalogue.navigations, (QStringList{"about:blank", f.page()}));
    EXPECT_EQ(f.dir.read("temp.jpg"), QByteArray(300, 'J'));
    EXPECT_EQ(f.display->shownAuthor(), "\xC3\x96lmann");
    EXPECT_EQ(f.display->shownOwnAuthor(), "");
    const NewRecipe r = sampleRecipe("Pictured");
    EXPECT_EQ(f.dir.read("Rezept.htm"), RenderRecipePage("Pictured", "\xC3\x96lmann", r.preparation, true,
                                                         r.ingredients, f.font, f.texts));

    f.font = {"Courier", "6"};
    EXPECT_EQ(f.display->ShowRecipe("Plain", RecipeDisplay::OwnView), 3);
    EXPECT_EQ(f.catalogue.navigations.last(), "about:blank");
    EXPECT_EQ(f.own.navigations, QStringList{f.page()});
    EXPECT_FALSE(f.dir.exists("temp.jpg"));
    EXPECT_EQ(f.display->shownAuthor(), "\xC3\x96lmann");
    EXPECT_EQ(f.display->shownOwnAuthor(), "Anna");
    const QByteArray page = f.dir.read("Rezept.htm");
    EXPECT_TRUE(page.startsWith(kHead + "Courier\">\r\n"));
    EXPECT_TRUE(page.contains("\r\n<font size=\"6\">\r\n"));
    EXPECT_FALSE(page.contains("temp.jpg"));

    EXPECT_EQ(f.display->ShowRecipe("Pictured", RecipeDisplay::FolderView), 4);
    EXPECT_EQ(f.catalogue.navigations.size(), 4);
    EXPECT_EQ(f.folder.navigations, QStringList{f.page()});
    EXPECT_EQ(f.display->shownAuthor(), "\xC3\x96lmann");
    EXPECT_EQ(f.display->shownOwnAuthor(), "Anna");
    EXPECT_TRUE(f.dir.exists("temp.jpg"));

    EXPECT_EQ(f.display->ShowRecipe("Plain", 7), 3); // no view of its own: only the blank page
    EXPECT_EQ(f.catalogue.navigations.last(), "about:blank");
    EXPECT_EQ(f.own.navigations.size() + f.folder.navigations.size(), 2);
}

TEST(ShowRecipe, AMissingNameDoesNothing)
{
    DisplayFixture f;
    f.dir.write("temp.jpg", "kept");
    EXPECT_FALSE(f.display->ShowRecipe("plain", RecipeDisplay::CatalogueView));
    EXPECT_TRUE(f.catalogue.navigations.isEmpty());
    EXPECT_EQ(f.dir.read("temp.jpg"), "kept");
    EXPECT_FALSE(f.dir.exists("Rezept.htm"));
    EXPECT_EQ(f.display->shownAuthor(), "");
}

TEST(ShowRecipe, APageThatCannotBeWrittenStillGivesTheDimension)
{
    DisplayFixture f;
    QDir().mkdir(f.page()); // a folder in the page's place
    EXPECT_EQ(f.display->ShowRecipe("Plain", RecipeDisplay::OwnView), 3);
    EXPECT_EQ(f.catalogue.navigations, QStringList{"about:blank"});
    EXPECT_TRUE(f.own.navigations.isEmpty());
    EXPECT_EQ(f.display->shownOwnAuthor(), "Anna");
}
