// SPDX-FileCopyrightText: 2026 The tolvaric developers
// SPDX-License-Identifier: MIT

#pragma once
// The engine sheet: a header, the sixteen values in the program's units and
// in metric, and every derived figure, for one engine or several side by
// side, as aligned text, CSV (RFC 4180, "." decimals) or one self-contained
// HTML page (which the PDF and the printer take, and where a name longer
// than 30 characters shows its start). A figure that could not be
// worked out shows the words the window's message would use. Every figure
// is rounded as the window's boxes round.

#include "sheet/SheetInput.h"

#include <QList>
#include <QString>

namespace tolvaric {

QString sheetText(const QList<SheetEngine>& engines, const SheetHeader& header,
                  const SheetSettings& settings = {});
QString sheetCsv(const QList<SheetEngine>& engines, const SheetHeader& header);
QString sheetHtml(const QList<SheetEngine>& engines, const SheetHeader& header,
                  const SheetSettings& settings = {});

} // namespace tolvaric
