// SPDX-FileCopyrightText: 2026 The tolvaric developers
// SPDX-License-Identifier: MIT

#pragma once
// Pictures the program shows (the logo, the help's pictures) are decoded
// only from raster formats: an SVG may name other files, a pipe among them,
// which its reader would open, and any number of large ones.

#include <QByteArray>
#include <QImage>
#include <QImageReader>

#include <algorithm>
#include <array>

namespace tolvaric {

inline bool isRasterFormat(const QByteArray& format) {
    static constexpr std::array<const char*, 13> raster{"bmp", "png",  "jpeg", "jpg", "gif",
                                                        "ppm", "pgm",  "pbm",  "xbm", "ico",
                                                        "cur", "webp", "tiff"};
    const QByteArray lower = format.toLower();
    return std::any_of(raster.begin(), raster.end(),
                       [&lower](const char* name) { return lower == name; });
}

// Whether `reader` may decode what it was given: a raster format, found
// from the content.
inline bool readsRaster(QImageReader& reader) {
    reader.setDecideFormatFromContent(true);
    return isRasterFormat(reader.format());
}

// One of the program's own pictures, in the format it is stored in. Told
// the format alone, Qt still asks every image plugin whether it reads the
// file, loading them all; with detection off only the built-in reader runs.
inline QImage readOwnPicture(const QString& path, const char* format) {
    QImageReader reader(path, format);
    reader.setAutoDetectImageFormat(false);
    return reader.read();
}

} // namespace tolvaric
