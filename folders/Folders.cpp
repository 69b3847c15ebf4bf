#include "folders/Folders.h"

#include "common/FileIO.h"
#include "common/TextLines.h"
#include "store/Favourites.h"

#include <QCollator>
#include <QCollatorSortKey>
#include <QDir>
#include <QHash>

#include <algorithm>

namespace {

const QByteArray kFileName = QByteArrayLiteral("Folderlist.dat");
constexpr char kSeparator = '\\';

bool equalIgnoringCase(QByteArrayView a, QByteArrayView b)
{
    return QString::fromUtf8(a).compare(QString::fromUtf8(b), Qt::CaseInsensitive) == 0;
}

// The two sequences the escaping gives a meaning to.
bool startsEscape(QByteArrayView text, qsizetype at)
{
    const QByteArrayView rest = text.sliced(at);
    return rest.startsWith("%5C") || rest.startsWith("%25");
}

// The line split at every "\", empty pieces kept; the last piece is what follows the last "\".
QList<QByteArrayView> splitAtSeparators(QByteArrayView line)
{
    QList<QByteArrayView> pieces;
    qsizetype start = 0;
    for (qsizetype i = 0; i < line.size(); ++i)
        if (line[i] == kSeparator) {
            pieces.append(line.sliced(start, i - start));
            start = i + 1;
        }
    pieces.append(line.sliced(start));
    return pieces;
}

QByteArray joinEscaped(const NodeTexts &texts)
{
    QByteArray path;
    for (const QByteArray &text : texts) {
        if (!path.isEmpty())
            path += kSeparator;
        path += escapeComponent(text);
    }
    return path;
}

// While the tree is built the nodes lie in one array, found by parent and text through one hash:
// a large tree is mostly allocations otherwise.
struct FlatNode {
    QByteArray text;
    int picture = FolderPictureFolder;
    std::vector<int> children;
};

struct ChildKey {
    int parent;
    QByteArrayView text; // into a node's text or a line, both alive while the tree is built
    bool operator==(const ChildKey &other) const { return parent == other.parent && text == other.text; }
};

size_t qHash(const ChildKey &key, size_t seed = 0) { return qHashMulti(seed, key.parent, key.text); }

// The order the favourites are sorted in; most reloads find them sorted from the last one.
bool sortedIgnoringCase(const QList<QByteArray> &names)
{
    QCollator collator;
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    QString previous;
    for (qsizetype i = 0; i < names.size(); ++i) {
        QString name = QString::fromUtf8(names[i]);
        if (i > 0 && collator.compare(previous, name) > 0)
            return false;
        previous = std::move(name);
    }
    return true;
}

FolderNode takeNode(std::vector<FlatNode> &nodes, int index)
{
    FlatNode &flat = nodes[size_t(index)];
    FolderNode node{std::move(flat.text), flat.picture, {}};
    node.children.reserve(flat.children.size());
    for (int child : flat.children)
        node.children.push_back(takeNode(nodes, child));
    return node;
}

} // namespace

QByteArray escapeComponent(QByteArrayView text)
{
    QByteArray out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == kSeparator)
            out += "%5C";
        else if (c == '%' && startsEscape(text, i))
            out += "%25";
        else
            out += c;
    }
    return out;
}

QByteArray unescapeComponent(QByteArrayView text)
{
    if (!text.contains('%'))
        return text.toByteArray();
    QByteArray out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == '%' && startsEscape(text, i)) {
            out += text[i + 1] == '5' ? kSeparator : '%';
            i += 2;
        } else {
            out += text[i];
        }
    }
    return out;
}

QByteArray NodePath(const NodeTexts &node) { return node.isEmpty() ? QByteArray(1, kSeparator) : joinEscaped(node); }

NodeTexts LineComponents(QByteArrayView line)
{
    NodeTexts texts;
    for (QByteArrayView piece : splitAtSeparators(line))
        if (!piece.isEmpty())
            texts.append(unescapeComponent(piece));
    return texts;
}

QByteArray CanonicalLine(QByteArrayView line)
{
    QByteArray canonical = joinEscaped(LineComponents(line));
    if (line.endsWith(kSeparator))
        canonical += kSeparator;
    return canonical;
}

QByteArray TypedFolderPath(const QString &typed)
{
    NodeTexts texts;
    for (QByteArrayView piece : splitAtSeparators(typed.toUtf8()))
        if (!piece.isEmpty())
            texts.append(piece.toByteArray());
    return joinEscaped(texts);
}

bool LiesIn(const NodeTexts &node, const NodeTexts &folder)
{
    return node.size() >= folder.size() && std::equal(folder.begin(), folder.end(), node.begin());
}

FolderLines::FolderLines(const QString &dataDir) : m_dataDir(dataDir) {}

QString FolderLines::filePath() const
{
    const QString exact = QString::fromLatin1(kFileName);
    const QDir dir(m_dataDir);
    if (QFileInfo(dir.filePath(exact)).isFile())
        return m_dataDir + exact;
    const QStringList found = dir.entryList({exact}, QDir::Files | QDir::Hidden, QDir::Name);
    for (const QString &name : found)
        if (name.compare(exact, Qt::CaseInsensitive) == 0)
            return m_dataDir + name;
    return m_dataDir + exact;
}

void FolderLines::load()
{
    m_lines.clear();
    const QString path = filePath();
    if (QFileInfo(path).isFile())
        if (const auto bytes = readFileIfExists(path))
            m_lines = splitLines(*bytes);
}

void FolderLines::save() const { writeFileAtomically(filePath(), joinLinesCrLf(m_lines)); }

qsizetype FolderLines::indexOf(QByteArrayView path) const
{
    qsizetype ignoringCase = -1;
    for (qsizetype i = 0; i < m_lines.size(); ++i) {
        const QByteArray canonical = CanonicalLine(m_lines[i]);
        if (canonical == path)
            return i;
        if (ignoringCase < 0 && equalIgnoringCase(canonical, path))
            ignoringCase = i;
    }
    return ignoringCase;
}

qsizetype FolderLines::removeLinesIn(const NodeTexts &folder)
{
    const QByteArray prefix = NodePath(folder) + kSeparator;
    // The root's prefix "\\" only meets lines as they stand; others also in their written form.
    return m_lines.removeIf([&](const QByteArray &line) {
        return line.startsWith(prefix) || (!folder.isEmpty() && CanonicalLine(line).startsWith(prefix));
    });
}

FolderNode BuildFolderTree(const QList<QByteArray> &folderLines, const QList<QByteArray> &favourites,
                           QByteArrayView favouritesName)
{
    QList<QByteArray> working = folderLines;
    const QByteArray favouritesFolder = escapeComponent(favouritesName) + kSeparator;
    working.append(favouritesFolder);
    {
        // Keys of the case-folded text: the collator of the "C" locale would compare keys by case.
        QCollator collator;
        collator.setCaseSensitivity(Qt::CaseInsensitive);
        std::vector<std::pair<QCollatorSortKey, QByteArray>> keyed;
        keyed.reserve(size_t(working.size()));
        for (QByteArray &line : working)
            keyed.emplace_back(collator.sortKey(QString::fromUtf8(line).toCaseFolded()), std::move(line));
        std::stable_sort(keyed.begin(), keyed.end(),
                         [](const auto &a, const auto &b) { return a.first.compare(b.first) < 0; });
        for (qsizetype i = 0; i < working.size(); ++i)
            working[i] = std::move(keyed[size_t(i)].second);
    }
    for (const QByteArray &name : favourites)
        working.append(favouritesFolder + escapeComponent(name));

    std::vector<FlatNode> nodes;
    nodes.reserve(size_t(working.size()) * 2 + 1);
    nodes.push_back({QByteArray(1, kSeparator), FolderPictureFolder, {}});
    QHash<ChildKey, int> lastChild; // FindChild: the last child of a text is the only one made
    lastChild.reserve(working.size() * 2);
    QByteArray unescaped;
    for (const QByteArray &line : working) {
        int node = 0;
        qsizetype start = 0;
        for (qsizetype i = 0; i <= line.size(); ++i) {
            const bool atSeparator = i < line.size() && line[i] == kSeparator;
            if (!atSeparator && i < line.size())
                continue;
            const QByteArrayView piece = QByteArrayView(line).sliced(start, i - start);
            start = i + 1;
            if (piece.isEmpty())
                continue;
            QByteArrayView name = piece;
            if (piece.contains('%')) {
                unescaped = unescapeComponent(piece);
                name = unescaped;
            }
            const auto found = lastChild.constFind(ChildKey{node, name});
            if (found != lastChild.constEnd()) {
                node = *found;
            } else {
                const int child = int(nodes.size());
                nodes.push_back({name.toByteArray(), FolderPictureFolder, {}});
                nodes[size_t(node)].children.push_back(child);
                lastChild.insert(ChildKey{node, nodes.back().text}, child);
                node = child;
            }
            nodes[size_t(node)].picture = atSeparator ? FolderPictureFolder : FolderPictureEntry;
        }
    }
    return takeNode(nodes, 0);
}

Folders::Folders(const QString &dataDir, FavouriteNames &favourites) : m_lines(dataDir), m_favourites(favourites) {}

FolderNode Folders::reload(QByteArrayView favouritesName)
{
    m_lines.load();
    if (!sortedIgnoringCase(m_favourites.names()))
        m_favourites.sortInMemory();
    return BuildFolderTree(m_lines.lines(), m_favourites.names(), favouritesName);
}

bool Folders::addFavourite(QByteArrayView name)
{
    if (m_favourites.contains(name))
        return false;
    m_favourites.append(name.toByteArray());
    m_favourites.save();
    return true;
}

bool Folders::mayHoldNewFolder(const NodeTexts &selected, QByteArrayView favouritesName) const
{
    return !LiesIn(selected, {favouritesName.toByteArray()});
}

void Folders::addFolder(const NodeTexts &selected, const QString &typedName)
{
    const QByteArray typed = TypedFolderPath(typedName);
    if (typed.isEmpty())
        return;
    QByteArray line = typed + kSeparator;
    if (!selected.isEmpty())
        line = NodePath(selected) + kSeparator + line;
    if (m_lines.contains(line))
        return;
    m_lines.append(line);
    m_lines.save();
}

void Folders::takeOut(const NodeTexts &entry, QByteArrayView favouritesName)
{
    const qsizetype index = m_lines.indexOf(NodePath(entry));
    if (index >= 0) {
        m_lines.removeAt(index);
    } else if (entry.size() > 1 && LiesIn(entry, {favouritesName.toByteArray()})) {
        m_favourites.remove(entry.mid(1).join(kSeparator));
        m_favourites.save();
    }
}

void Folders::deleteNode(const NodeTexts &node, int picture, QByteArrayView favouritesName)
{
    if (picture == FolderPictureEntry)
        takeOut(node, favouritesName);
    else
        m_lines.removeLinesIn(node);
    m_lines.save();
}

bool Folders::moveEntry(const NodeTexts &dragged, int draggedPicture, const NodeTexts &target, int targetPicture,
                        QByteArrayView favouritesName)
{
    if (targetPicture == FolderPictureEntry || draggedPicture != FolderPictureEntry || dragged.isEmpty())
        return false;
    const QByteArray name = dragged.last();
    takeOut(dragged, favouritesName);
    if (target.size() == 1 && target.first() == favouritesName) {
        if (!m_favourites.contains(name)) {
            m_favourites.append(name);
            m_favourites.save();
        }
    } else {
        const QByteArray entry = escapeComponent(name);
        m_lines.append(target.isEmpty() ? entry : NodePath(target) + kSeparator + entry);
    }
    m_lines.save();
    return true;
}
