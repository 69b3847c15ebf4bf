#include "about/Addresses.h"

QUrl makerHomePage() { return QUrl(QStringLiteral(SAFFIN_HOME_URL)); }
QUrl paypalDonationPage() { return QUrl(QStringLiteral(SAFFIN_DONATE_PAYPAL_URL)); }
QUrl amazonWishList() { return QUrl(QStringLiteral(SAFFIN_DONATE_AMAZON_URL)); }
