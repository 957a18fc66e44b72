// SPDX-FileCopyrightText: 2026 The tolvaric developers
// SPDX-License-Identifier: MIT

#include "ui/WindowFonts.h"

#include <QFontDatabase>
#include <QStringList>

namespace tolvaric {

namespace {

// The first of the faces that is installed, as the font database names it.
// Asking for a missing family makes Qt search every fallback through
// fontconfig on each use, and so does QFontDatabase::hasFamily; the plain
// list of installed families is cheap. Where a family comes from two
// foundries the list names each ("Z003 [urw]"), as it does under some
// locales: the foundry is not part of the name looked for.
QString installedFamily(const QStringList& wanted, const QString& fallback) {
    const QStringList installed = QFontDatabase::families();
    for (const auto& family : wanted) {
        for (const auto& name : installed) {
            const auto foundry = name.indexOf(QLatin1String(" ["));
            if (QStringView(name)
                    .left(foundry < 0 ? name.size() : foundry)
                    .compare(family, Qt::CaseInsensitive) == 0) {
                return name;
            }
        }
    }
    return fallback;
}

QFont boldFont(const QString& family, double pointSize, QFont::StyleHint hint) {
    QFont font(family);
    font.setStyleHint(hint);
    font.setPointSizeF(pointSize);
    font.setWeight(QFont::Bold);
    return font;
}

} // namespace

QFont arial(double pointSize) {
    static const QString family = installedFamily(
        {QStringLiteral("Arial"), QStringLiteral("Liberation Sans")}, QStringLiteral("Arial"));
    return boldFont(family, pointSize, QFont::SansSerif);
}

QFont script(double pointSize) {
    static const QString family = installedFamily(
        {QStringLiteral("ScriptS"), QStringLiteral("Z003"), QStringLiteral("URW Chancery L")},
        QStringLiteral("ScriptS"));
    return boldFont(family, pointSize, QFont::Cursive);
}

} // namespace tolvaric
