#pragma once

#include <QImage>
#include <QSize>
#include <QString>

class QIODevice;

// The size a picture gets in a box, aspect ratio kept: the longer side (the height for a square)
// takes the box side, the other is rounded half to even and gets at least one pixel.
// A box side of 0 means the picture's own.
QSize ScaledPictureSize(QSize picture, int boxWidth, int boxHeight);

// Resamples to the given size: area averaging where a side shrinks, bilinear where it grows.
// Takes and gives 24-bit RGB.
QImage ResamplePicture(const QImage &rgb, QSize size);

// The picture as 24-bit RGB; transparent parts are laid on white.
QImage opaqueRgb888(const QImage &picture);

// Reads one picture from source and writes it, fitted into the box, to target in the same format:
// a Windows bitmap for the extension ".bmp", JPEG (quality 80, or 90 without the quality flag)
// for any other. Throws Error when the source cannot be decoded; target is written only on success.
void ScalePicture(QIODevice &source, QIODevice &target, int boxWidth, int boxHeight, const QString &extension,
                  bool quality);

// Scales the picture file into a new file, box 300 x 300, quality 80, format after the source's
// extension. A missing source leaves the target as it is; so does any failure.
void ScalePictureFile(const QString &sourcePath, const QString &targetPath);
