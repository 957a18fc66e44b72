// SPDX-FileCopyrightText: 2026 The tolvaric developers
// SPDX-License-Identifier: MIT

#pragma once
// The sheet's rows, which every format writes: this library's own.

#include "sheet/SheetInput.h"

#include <QStringList>

#include <optional>

namespace tolvaric {

struct SheetRow {
    enum class Kind {
        Header,  // who and when: text, one per engine
        File,    // the data file's name, one per engine
        Heading, // a section's heading: a label alone
        Figure,  // a figure per engine, or the words for why there is none
    };
    Kind kind = Kind::Figure;
    QString label;      // unique on the sheet, whatever the case
    QStringList values; // one per engine; none for a heading
};

// What the boosted figures are worked against: "8 psi boost at sea level",
// "10.2 psi boost at 5280 ft", with the page's decimal separator.
QString boostBasis(double psi, std::optional<double> feet, const QString& point);

QList<SheetRow> sheetRows(const QList<SheetEngine>& engines, const SheetHeader& header,
                          const SheetSettings& settings);

} // namespace tolvaric
