#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>

#include <vector>

class FavouriteNames;

// Path lines: components joined with "\". A line ending with "\" names a folder, any other
// line files a recipe entry under its folders. Empty components (a leading "\", a doubled "\\")
// are skipped.
//
// A recipe name may itself contain "\". Inside a component "\" is written as "%5C", and a "%"
// that would otherwise start one of the two sequences "%5C" or "%25" is written as "%25", so
// every component reads back exactly. Lines of older files carry neither sequence and read as
// they always did.
QByteArray escapeComponent(QByteArrayView text);
QByteArray unescapeComponent(QByteArrayView text);

// The texts of a node and its ancestors below the root, outermost first; empty for the root.
using NodeTexts = QList<QByteArray>;

enum FolderPicture { FolderPictureFolder = 0, FolderPictureEntry = 1 };

// NodePath: the escaped components joined with "\"; the root's path is "\".
QByteArray NodePath(const NodeTexts &node);

// The decoded components of a line, empty ones dropped.
NodeTexts LineComponents(QByteArrayView line);

// The line written the way this program writes it: empty components dropped, every component
// escaped. Lines the program wrote are already in this form.
QByteArray CanonicalLine(QByteArrayView line);

// A folder name as typed: "\" separates folders, empty components are dropped, so "\X" and
// "X\\Y" give the paths "X" and "X\Y". Empty when nothing but separators was typed.
QByteArray TypedFolderPath(const QString &typed);

// A path lies in a folder when it is the folder's path or begins with it and "\".
bool LiesIn(const NodeTexts &node, const NodeTexts &folder);

// FolderLines and their file "Folderlist.dat" (found whatever the letter case of its name).
class FolderLines {
public:
    explicit FolderLines(const QString &dataDir); // dataDir ends with '/'

    void load();       // a missing file gives an empty list
    void save() const; // writes the whole list; throws Error when it cannot

    // The file the list lives in: an existing "Folderlist.dat" in any letter case, else that name.
    QString filePath() const;

    const QList<QByteArray> &lines() const { return m_lines; }
    void setLines(QList<QByteArray> lines) { m_lines = std::move(lines); }

    // The line holding the path: an exact match first, else one equal ignoring letter case; -1.
    qsizetype indexOf(QByteArrayView path) const;
    bool contains(QByteArrayView path) const { return indexOf(path) >= 0; }
    void append(const QByteArray &line) { m_lines.append(line); }
    void removeAt(qsizetype index) { m_lines.removeAt(index); }

    // Removes every line that begins with the folder's path and "\"; how many went.
    qsizetype removeLinesIn(const NodeTexts &folder);

private:
    QString m_dataDir;
    QList<QByteArray> m_lines;
};

// One node of the folder tree.
struct FolderNode {
    QByteArray text; // UTF-8; "\" for the root
    int picture = FolderPictureFolder;
    std::vector<FolderNode> children;
};

// The tree from the folder lines and the favourites (already sorted), the favourites folder
// carrying favouritesName: the lines and the favourites folder's own line sorted ignoring case,
// then one line per favourite, each walked from the root.
FolderNode BuildFolderTree(const QList<QByteArray> &folderLines, const QList<QByteArray> &favourites,
                           QByteArrayView favouritesName);

// Every action on the two lists. Each writes what it changed and says whether the tree must be
// rebuilt; a file that cannot be written throws Error, and the tree is then left as it is.
class Folders {
public:
    Folders(const QString &dataDir, FavouriteNames &favourites);

    FolderLines &folderLines() { return m_lines; }
    FavouriteNames &favourites() { return m_favourites; }

    // Rereads the folder lines, sorts the favourites in memory and builds the tree.
    FolderNode reload(QByteArrayView favouritesName);

    // False, writing nothing, when the name is already a favourite.
    bool addFavourite(QByteArrayView name);

    // New folders are refused inside the favourites folder (and in it itself).
    bool mayHoldNewFolder(const NodeTexts &selected, QByteArrayView favouritesName) const;
    // Files the typed folder inside the selected node unless the list already holds it.
    void addFolder(const NodeTexts &selected, const QString &typedName);

    // Deletes a recipe entry or a whole folder, as the picture says.
    void deleteNode(const NodeTexts &node, int picture, QByteArrayView favouritesName);

    // Moves a dragged recipe entry into a folder; false when the drop does not apply.
    bool moveEntry(const NodeTexts &dragged, int draggedPicture, const NodeTexts &target, int targetPicture,
                   QByteArrayView favouritesName);

private:
    // Takes an entry out of its folder line, or out of the favourites.
    void takeOut(const NodeTexts &entry, QByteArrayView favouritesName);

    FolderLines m_lines;
    FavouriteNames &m_favourites;
};
