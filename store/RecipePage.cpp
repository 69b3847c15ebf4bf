#include "store/RecipePage.h"

#include "common/FileIO.h"
#include "common/HtmlView.h"
#include "common/LanguageTexts.h"
#include "common/TextLines.h"
#include "store/Database.h"

QByteArray RenderRecipePage(QByteArrayView name, QByteArrayView author, QByteArrayView preparation,
                            bool hasPicture, QByteArrayView ingredients, const RecipePageFont &font,
                            const LanguageTexts &texts)
{
    QByteArray body;
    body += "<b>";
    body += texts.text(33).toUtf8();
    body += "</b><br>";
    body += ingredients;
    body += "\r\r<b>";
    body += texts.text(44).toUtf8();
    body += "</b><br>";
    body += preparation;

    QList<QByteArray> lines;
    lines.append(QByteArray("<HTML><HEAD><META http-equiv=Content-Type content=\"text/html; charset=utf-8\">"
                            "</HEAD><body bgcolor=\"#FFFFFF\" style=\"FONT-FAMILY: ") +
                 font.name.toUtf8() + "\">");
    lines.append("<font size=\"4\" color=\"#000000\">" + name.toByteArray() + "</font><br>");
    lines.append("<font size=\"2\">(" + author.toByteArray() + ")</font><br><br>");
    if (hasPicture)
        lines.append("<img src= \"temp.jpg\" border=\"0\"><br><br>");
    lines.append("<font size=\"" + font.size.toUtf8() + "\">");
    for (const QByteArray &line : splitLines(body))
        lines.append(line + "<br>");
    lines.append("</font></body></HTML>");
    return joinLinesCrLf(lines);
}

RecipeDisplay::RecipeDisplay(RecipeStore &store, const LanguageTexts &texts) : m_store(store), m_texts(texts)
{
}

void RecipeDisplay::setViews(HtmlView *catalogue, HtmlView *own, HtmlView *folders)
{
    m_views[CatalogueView] = catalogue;
    m_views[OwnView] = own;
    m_views[FolderView] = folders;
}

void RecipeDisplay::setFontSource(std::function<RecipePageFont()> font) { m_font = std::move(font); }

std::optional<int> RecipeDisplay::ShowRecipe(QByteArrayView name, int mode)
{
    const auto record = m_store.findFirst(name);
    if (!record)
        return std::nullopt;
    const QString dir = m_store.dataDir();
    removeFileIfExists(dir + QStringLiteral("temp.jpg"));
    const auto picture = m_store.pictureOf(*record);
    if (picture)
        writePlainFile(dir + QStringLiteral("temp.jpg"), *picture);
    const QByteArray preparation = m_store.preparationOf(*record);
    const QByteArray ingredients = m_store.ingredientsOf(*record);
    const QByteArray author = m_store.line(*record, FieldAuthor).toByteArray();
    if (mode == CatalogueView)
        m_shownAuthor = author;
    else if (mode == OwnView)
        m_shownOwnAuthor = author;
    const int dimension = m_store.numberField(*record, FieldDimension);

    // A failed page leaves the view as it was; the caller still gets the dimension.
    try {
        if (m_views[CatalogueView])
            m_views[CatalogueView]->Navigate(QStringLiteral("about:blank"));
        const RecipePageFont font = m_font ? m_font() : RecipePageFont{};
        writePlainFile(dir + QStringLiteral("Rezept.htm"),
                       RenderRecipePage(m_store.line(*record, FieldName), author, preparation,
                                        picture.has_value(), ingredients, font, m_texts));
        if (mode >= 0 && mode <= 2 && m_views[mode])
            m_views[mode]->Navigate(dir + QStringLiteral("Rezept.htm"));
    } catch (const std::exception &) {
    }
    return dimension;
}
