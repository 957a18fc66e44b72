// SPDX-FileCopyrightText: 2026 The tolvaric developers
// SPDX-License-Identifier: MIT

#include "tools/HelpDrawing.h"

#include <QtMath>

namespace pictures {

namespace {

void arrowHead(QPainter& p, QPointF tip, QPointF from) {
    const QLineF line(tip, from);
    QLineF a = line;
    a.setLength(6);
    a.setAngle(line.angle() + 25);
    QLineF b = line;
    b.setLength(6);
    b.setAngle(line.angle() - 25);
    p.drawLine(a);
    p.drawLine(b);
}

} // namespace

QFont font(int pixels, bool bold) {
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPixelSize(pixels);
    f.setBold(bold);
    return f;
}

// A text with a thin line from its near side to what it names.
void label(QPainter& p, QPointF at, QPointF text, const QString& words) {
    p.setPen(QPen(ink, 0.8));
    p.setFont(font(11));
    const double width = p.fontMetrics().horizontalAdvance(words);
    const QPointF end = text.x() > at.x() ? text + QPointF(-3, -4) : text + QPointF(width + 3, -4);
    p.drawLine(at, end);
    p.drawEllipse(at, 1.5, 1.5);
    p.drawText(text, words);
}

// A dimension between two points, with its words beside its middle.
void dimension(QPainter& p, QPointF from, QPointF to, const QString& words, QPointF offset) {
    p.setPen(QPen(accent, 1.2));
    p.drawLine(from, to);
    arrowHead(p, from, to);
    arrowHead(p, to, from);
    p.setFont(font(11, true));
    p.setPen(accent);
    p.drawText((from + to) / 2 + offset, words);
}

// The block beside a bore of `bore` at `left`, its deck at `deck`.
void block(QPainter& p, double left, double bore, double deck, double wall, double height) {
    p.setPen(QPen(ink, 1));
    p.setBrush(metal);
    p.drawRect(QRectF(left - wall, deck, wall, height));
    p.drawRect(QRectF(left + bore, deck, wall, height));
}

void caption(QPainter& p, const QString& words) {
    p.setFont(font(13, true));
    p.setPen(ink);
    p.drawText(QPointF(10, 20), words);
}

// A head in section over `outline`, its chamber cut out and filled.
void headWithChamber(QPainter& p, const QRectF& outline, const QPainterPath& chamber,
                     const QColor& fill) {
    QPainterPath headShape;
    headShape.addRect(outline);
    p.setBrush(fill);
    p.drawPath(chamber);
    p.setBrush(head);
    p.drawPath(headShape.subtracted(chamber));
}

// A burette, its tip at `tip`.
void burette(QPainter& p, QPointF tip) {
    p.setPen(QPen(ink, 1));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(tip.x() - 8, tip.y() - 170, 16, 150));
    p.setBrush(liquid);
    p.drawRect(QRectF(tip.x() - 8, tip.y() - 120, 16, 100));
    p.drawLine(tip + QPointF(0, -20), tip);
    for (int i = 0; i < 8; ++i) {
        const double y = tip.y() - 160 + i * 18;
        p.drawLine(QPointF(tip.x() - 8, y), QPointF(tip.x() - 2, y));
    }
}

} // namespace pictures
