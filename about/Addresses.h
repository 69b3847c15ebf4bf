#pragma once

#include <QUrl>

// The maker's pages, fixed when the program is built.
QUrl makerHomePage();
QUrl paypalDonationPage();
QUrl amazonWishList();
