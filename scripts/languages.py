#!/usr/bin/env python3
"""Writes Languages/English.txt and Languages/German.txt: 129 texts each, CR LF, UTF-8 with mark."""
import pathlib

TEXTS = {
    # index: (English, German)
    0: ("Save", "Speichern"),
    1: ("Recipes", "Rezepte"),
    2: ("Select all/none", "Alles/Nichts auswählen"),
    3: ("Search", "Suchen"),
    4: ("Calendar", "Kalender"),
    5: ("More recipes by this author", "Weitere Rezepte dieses Autors"),
    6: ("Shopping list", "Einkaufsliste"),
    7: ("Print", "Drucken"),
    8: ("Delete", "Löschen"),
    9: ("Own recipes", "Eigene Rezepte"),
    10: ("Select all/none", "Alles/Nichts auswählen"),
    11: ("Choose a picture", "Bild auswählen"),
    12: ("List own recipes for upload", "Eigene Rezepte zum Hochladen auflisten"),
    13: ("Send the ticked recipes", "Markierte Rezepte senden"),
    14: ("Community home page", "Community-Startseite"),
    15: ("Show deleted recipes again", "Gelöschte Rezepte anzeigen"),
    16: ("Load into editor", "In Editor laden"),
    17: ("New recipe", "Neues Rezept"),
    18: ("Recipe name:", "Rezeptname:"),
    19: ("Author", "Autor"),
    20: ("Save", "Speichern"),
    21: ("Ingredients", "Zutaten"),
    22: ("Search", "Suche"),
    23: ("Date", "Datum"),
    24: ("Shopping list", "Einkaufsliste"),
    25: ("Print", "Drucken"),
    26: ("Calendar", "Kalender"),
    27: ("Dish calendar", "Speisekalender"),
    28: ("Upload recipes", "Rezepte online stellen"),
    29: ("", ""),
    30: ("Font name:", "Schriftart:"),
    31: ("Update database", "Datenbank updaten"),
    32: ("About", "Über"),
    33: ("Ingredients", "Zutaten"),
    34: ("Select all/none", "Alles/Nichts auswählen"),
    35: ("Check for new recipes", "Nach neuen Rezepten suchen"),
    36: ("Add to database", "Zur Datenbank hinzufügen"),
    37: ("Community", "Community"),
    38: ("Font size:", "Schriftgröße:"),
    39: ("Delete", "Löschen"),
    40: ("Mark all", "Alle markieren"),
    41: ("Mark none", "Keine markieren"),
    42: ("Mark all", "Alle markieren"),
    43: ("Mark none", "Keine markieren"),
    44: ("Preparation", "Zubereitung"),
    45: ("", ""),
    119: ("Thank you! Your recipes have been sent to the maintainers.",
          "Vielen Dank! Ihre Rezepte wurden an die Betreuer gesendet."),
    120: ("Favourites", "Favoriten"),
    121: ("Recipe", "Rezept"),
    122: ("Add folder", "Ordner hinzufügen"),
    123: ("New folder", "Neuer Ordner"),
    124: ("Folders", "Ordner"),
    125: ("Search in", "Suchen in"),
    126: ("All categories", "Alle Kategorien"),
    127: ("All", "Alles"),
    128: ("Name and author", "Name und Autor"),
}

# The six category dimensions and their 6, 8, 6, 21, 3 and 23 values.
DIMENSIONS = [
    (("Course", "Gang"), [
        ("Starter", "Vorspeise"), ("Soup", "Suppe"), ("Main course", "Hauptgericht"),
        ("Side dish", "Beilage"), ("Dessert", "Nachspeise"), ("Snack", "Imbiss")]),
    (("Main ingredient", "Hauptzutat"), [
        ("Meat", "Fleisch"), ("Poultry", "Geflügel"), ("Fish and seafood", "Fisch und Meeresfrüchte"),
        ("Vegetables", "Gemüse"), ("Pasta", "Nudeln"), ("Rice and grains", "Reis und Getreide"),
        ("Eggs and cheese", "Eier und Käse"), ("Fruit", "Obst")]),
    (("Occasion", "Anlass"), [
        ("Everyday", "Alltag"), ("Party", "Feier"), ("Holidays", "Festtage"), ("Picnic", "Picknick"),
        ("Breakfast", "Frühstück"), ("Quick meal", "Schnelle Küche")]),
    (("Cuisine", "Landesküche"), [
        ("German", "Deutsch"), ("Italian", "Italienisch"), ("French", "Französisch"), ("Spanish", "Spanisch"),
        ("Greek", "Griechisch"), ("Turkish", "Türkisch"), ("Balkan", "Balkan"),
        ("Eastern European", "Osteuropäisch"), ("Scandinavian", "Skandinavisch"), ("British", "Britisch"),
        ("North American", "Nordamerikanisch"), ("Mexican", "Mexikanisch"),
        ("South American", "Südamerikanisch"), ("Caribbean", "Karibisch"), ("Indian", "Indisch"),
        ("Chinese", "Chinesisch"), ("Japanese", "Japanisch"), ("Thai", "Thailändisch"),
        ("Middle Eastern", "Orientalisch"), ("African", "Afrikanisch"), ("International", "International")]),
    (("Difficulty", "Schwierigkeit"), [
        ("Easy", "Einfach"), ("Medium", "Mittel"), ("Demanding", "Anspruchsvoll")]),
    (("Kind of dish", "Art des Gerichts"), [
        ("Salad", "Salat"), ("Stew", "Eintopf"), ("Casserole", "Auflauf"), ("Roast", "Braten"),
        ("Grilled", "Gegrilltes"), ("Stir-fry", "Pfannengericht"), ("Curry", "Curry"),
        ("Pasta dish", "Nudelgericht"), ("Pizza and tart", "Pizza und Quiche"), ("Clear soup", "Klare Suppe"),
        ("Sauce and dip", "Soße und Dip"), ("Bread", "Brot"), ("Cake", "Kuchen"), ("Biscuits", "Plätzchen"),
        ("Pastry", "Gebäck"), ("Pudding and cream", "Pudding und Creme"), ("Ice cream", "Eis"),
        ("Drink", "Getränk"), ("Preserve", "Eingemachtes"), ("Sandwich", "Belegtes Brot"),
        ("Vegetarian", "Vegetarisch"), ("Vegan", "Vegan"), ("Baby food", "Babynahrung")]),
]


def build():
    texts = dict(TEXTS)
    value_index = 52
    for d, (label, values) in enumerate(DIMENSIONS):
        texts[46 + d] = label
        for value in values:
            texts[value_index] = value
            value_index += 1
    assert value_index == 119 and sorted(texts) == list(range(129)), "the table must hold texts 0 to 128"
    return texts


def main():
    texts = build()
    folder = pathlib.Path(__file__).resolve().parent.parent / "Languages"
    folder.mkdir(exist_ok=True)
    for column, name in ((0, "English"), (1, "German")):
        lines = [texts[i][column] for i in range(129)]
        (folder / f"{name}.txt").write_bytes(b"\xef\xbb\xbf" + "".join(l + "\r\n" for l in lines).encode("utf-8"))


if __name__ == "__main__":
    main()
