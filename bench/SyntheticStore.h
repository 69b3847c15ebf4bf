#pragma once

#include <QString>

// A data folder with a store of the given size: names, authors, 5 to 15 ingredient lines and
// 100 to 300 words of preparation per recipe, spread over the six dimensions; every third is own.
// With pictureBytes > 0 every recipe carries a picture of that size.
void writeSyntheticStore(const QString &dataDir, int recipes, int pictureBytes = 0, unsigned seed = 1);
