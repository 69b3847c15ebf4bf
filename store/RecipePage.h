#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <functional>
#include <optional>

class HtmlView;
class LanguageTexts;
class RecipeStore;

struct RecipePageFont {
    QString name; // text of the font name box
    QString size; // text of the font size box, "1" to "6"
};

// The bytes of "Rezept.htm" for one recipe.
QByteArray RenderRecipePage(QByteArrayView name, QByteArrayView author, QByteArrayView preparation,
                            bool hasPicture, QByteArrayView ingredients, const RecipePageFont &font,
                            const LanguageTexts &texts);

// ShowRecipe and the authors last shown on the two browsing tabs.
class RecipeDisplay {
public:
    enum Mode { CatalogueView = 0, OwnView = 1, FolderView = 2 };

    RecipeDisplay(RecipeStore &store, const LanguageTexts &texts);

    void setViews(HtmlView *catalogue, HtmlView *own, HtmlView *folders);
    void setFontSource(std::function<RecipePageFont()> font);

    // The record's Dimension as a number; nullopt (nothing done) when no record has the name.
    std::optional<int> ShowRecipe(QByteArrayView name, int mode);

    const QByteArray &shownAuthor() const { return m_shownAuthor; }
    const QByteArray &shownOwnAuthor() const { return m_shownOwnAuthor; }

private:
    RecipeStore &m_store;
    const LanguageTexts &m_texts;
    HtmlView *m_views[3] = {nullptr, nullptr, nullptr};
    std::function<RecipePageFont()> m_font;
    QByteArray m_shownAuthor, m_shownOwnAuthor;
};
