#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QImage>

// JPEG through libjpeg. Every libjpeg failure leaves here as an Error with the codec's text,
// so no other code deals with libjpeg's error exits.

// True when the bytes start with a JPEG start-of-image marker.
bool looksLikeJpeg(QByteArrayView bytes);

// Receives a picture being decoded: its size first, then every row top to bottom as 24-bit RGB.
class JpegRowSink {
public:
    virtual ~JpegRowSink() = default;
    virtual void begin(QSize size) = 0;
    virtual void row(int y, const uchar *rgb) = 0;
};

// Decodes at full size, row by row (grey and CMYK pictures are converted to RGB).
void decodeJpegRows(QByteArrayView bytes, JpegRowSink &sink);

// Decodes at full size into 24-bit RGB.
QImage decodeJpeg(QByteArrayView bytes);

// Encodes as a baseline (not progressive) 24-bit colour JPEG; quality 1 to 100.
QByteArray encodeJpeg(const QImage &image, int quality);
