// SPDX-FileCopyrightText: 2026 The tolvaric developers
// SPDX-License-Identifier: MIT

#pragma once
// The help's diagrams share these: their colours, type, names with a line
// to what they name, dimensions, and the parts that recur (a block beside
// a bore, a head with its chamber, a burette).

#include <QColor>
#include <QFont>
#include <QPainter>
#include <QPainterPath>
#include <QString>

namespace pictures {

inline const QColor ink(0x20, 0x20, 0x20);
inline const QColor metal(0xc8, 0xc8, 0xc8);
inline const QColor head(0xa8, 0xb4, 0xc0);
inline const QColor gasket(0x30, 0x30, 0x30);
inline const QColor space(0xff, 0xe0, 0xa0); // the clearance volume
inline const QColor liquid(0x9c, 0xc8, 0xf0);
inline const QColor accent(0xb2, 0x18, 0x2b);

QFont font(int pixels, bool bold = false);
// A text with a thin line from its near side to what it names.
void label(QPainter& p, QPointF at, QPointF text, const QString& words);
// A dimension between two points, with its words beside its middle.
void dimension(QPainter& p, QPointF from, QPointF to, const QString& words, QPointF offset);
// The block beside a bore of `bore` at `left`, its deck at `deck`.
void block(QPainter& p, double left, double bore, double deck, double wall, double height);
void caption(QPainter& p, const QString& words);
void headWithChamber(QPainter& p, const QRectF& outline, const QPainterPath& chamber,
                     const QColor& fill);
void burette(QPainter& p, QPointF tip);

} // namespace pictures
