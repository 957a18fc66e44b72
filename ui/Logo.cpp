// SPDX-FileCopyrightText: 2026 The tolvaric developers
// SPDX-License-Identifier: MIT

#include "ui/Logo.h"

#include "resources/Resources.h"
#include "storage/RegularFile.h"
#include "ui/RasterPicture.h"

#include <QBuffer>
#include <QImageReader>

namespace tolvaric {

namespace {

constexpr qint64 logoSizeLimit = 64 * 1024 * 1024;
// Decoding a larger picture takes seconds, whatever its file size.
constexpr qint64 logoPixelLimit = 40'000'000;

} // namespace

QImage readLogo(const QString& path, QSize pixels) {
    // Stretched to the box once here, not at every paint, and a huge picture
    // never sits in memory at full size. Only a regular file of bounded size
    // is read: a pipe of that name would hold up start-up for ever.
    QImage picture;
    QByteArray bytes;
    if (readWholeFile(path, logoSizeLimit, bytes).ok()) {
        QBuffer buffer(&bytes);
        QImageReader reader(&buffer);
        const QSize size = reader.size();
        if (readsRaster(reader) && size.isValid() &&
            qint64(size.width()) * size.height() <= logoPixelLimit) {
            reader.setScaledSize(pixels);
            picture = reader.read();
        }
    }
    if (picture.isNull()) {
        initResources();
        picture = readOwnPicture(QStringLiteral(":/logo/default-logo.bmp"), "bmp")
                      .scaled(pixels, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    }
    return picture;
}

} // namespace tolvaric
