#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QImage>

// JPEG through libjpeg. Every libjpeg failure leaves here as an Error with the codec's text,
// so no other code deals with libjpeg's error exits.

// True when the bytes start with a JPEG start-of-image marker.
bool looksLikeJpeg(QByteArrayView bytes);

// Decodes at full size into 24-bit RGB (grey and CMYK pictures are converted).
QImage decodeJpeg(QByteArrayView bytes);

// Encodes as a baseline (not progressive) 24-bit colour JPEG; quality 1 to 100.
QByteArray encodeJpeg(const QImage &image, int quality);
