#include "bench/SyntheticStore.h"

#include "store/Categories.h"

#include <QFile>

#include <random>

namespace {

const char *const kWords[] = {"onion", "garlic", "tomato", "butter", "flour", "sugar", "salt", "pepper",
                              "carrot", "potato", "cream", "cheese", "basil", "thyme", "lemon", "chicken",
                              "beef", "rice", "pasta", "egg", "milk", "water", "oil", "wine", "apple",
                              "Äpfel", "Käse", "stir", "bake", "simmer", "chop", "slice", "mix", "serve"};
const char *const kAuthors[] = {"Anna", "Bernd", "Clara", "Dieter", "Émile", "Frida", "Günter", "Hanna"};

} // namespace

void writeSyntheticStore(const QString &dataDir, int recipes, int pictureBytes, unsigned seed)
{
    std::mt19937 random(seed);
    auto pick = [&](int n) { return int(random() % unsigned(n)); };
    auto word = [&] { return QByteArray(kWords[pick(int(std::size(kWords)))]); };
    QByteArray index;
    QByteArray data;
    const QByteArray picture(pictureBytes, '\xAB');
    for (int i = 0; i < recipes; ++i) {
        QByteArray ingredients;
        for (int line = 0, lines = 5 + pick(11); line < lines; ++line)
            ingredients += QByteArray::number(1 + pick(500)) + " g " + word() + (line + 1 < lines ? "\r\n" : "");
        QByteArray preparation;
        for (int w = 0, words = 100 + pick(201); w < words; ++w)
            preparation += word() + (w % 12 == 11 ? ".\r\n" : " ");
        const int dimension = 1 + pick(6);
        QByteArray categories;
        for (int v = 0; v < CategoryValueCounts[dimension - 1]; ++v)
            categories += pick(3) == 0 ? '1' : '0';
        const qint64 prepOffset = data.size();
        data += preparation;
        const qint64 ingOffset = data.size();
        data += ingredients;
        const qint64 picOffset = data.size();
        data += picture;
        const QByteArray name = word() + ' ' + word() + ' ' + QByteArray::number(i);
        const QList<QByteArray> lines = {
            name[0] >= 'a' && i % 2 ? name.left(1).toUpper() + name.mid(1) : name,
            kAuthors[pick(int(std::size(kAuthors)))],
            QByteArray::number(dimension),
            categories,
            i % 5 == 0 ? "German" : "English",
            i % 3 == 0 ? "True" : "False",
            "",
            QByteArray::number(prepOffset),
            QByteArray::number(preparation.size()),
            QByteArray::number(ingOffset),
            QByteArray::number(ingredients.size()),
            pictureBytes > 0 ? QByteArray::number(picOffset) : "-1",
            pictureBytes > 0 ? QByteArray::number(pictureBytes / 256) : "-1",
            pictureBytes > 0 ? QByteArray::number(pictureBytes % 256) : "-1",
            "-1",
            "-1",
            "False",
            "False",
        };
        for (const QByteArray &line : lines)
            index += line + "\r\n";
    }
    QFile indexFile(dataDir + QStringLiteral("RezList.dat"));
    indexFile.open(QIODevice::WriteOnly | QIODevice::Truncate);
    indexFile.write(index);
    QFile dataFile(dataDir + QStringLiteral("Rezepte.dat"));
    dataFile.open(QIODevice::WriteOnly | QIODevice::Truncate);
    dataFile.write(data);
}
