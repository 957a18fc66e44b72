// SPDX-FileCopyrightText: 2026 The tolvaric developers
// SPDX-License-Identifier: MIT

#pragma once
// The owner's logo: any picture Qt can read under the logo file's name,
// whatever its extension, else the shipped one, read to fit the box.

#include <QImage>
#include <QSize>
#include <QString>

namespace tolvaric {

QImage readLogo(const QString& path, QSize pixels);

} // namespace tolvaric
