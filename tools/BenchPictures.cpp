// SPDX-FileCopyrightText: 2026 The tolvaric developers
// SPDX-License-Identifier: MIT

#include "tools/BenchPictures.h"

#include "tools/HelpDrawing.h"

#include <QPainterPath>
#include <QTransform>

namespace pictures {

// Reading deck clearance with a bridge, and a gasket bore wider than the bore.
void deckBridge(QPainter& p) {
    caption(p, QStringLiteral("Deck clearance with a deck bridge"));
    const double left = 60, bore = 200, deck = 170;
    block(p, left, bore, deck, 50, 150);
    p.drawRect(QRectF(left + 3, deck + 22, bore - 6, 128)); // the piston, below the deck
    p.setBrush(ink);
    p.drawEllipse(QPointF(left + bore / 2, deck + 100), 9, 9); // the wrist pin
    // The bridge across the bore, its feet on the deck, the indicator on the piston.
    p.setBrush(head);
    p.drawRect(QRectF(left - 40, deck - 40, bore + 80, 16));
    p.drawRect(QRectF(left - 40, deck - 24, 14, 24));
    p.drawRect(QRectF(left + bore + 26, deck - 24, 14, 24));
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(left + bore / 2, deck - 75), 30, 30);
    p.drawLine(QPointF(left + bore / 2, deck - 75), QPointF(left + bore / 2 + 18, deck - 90));
    p.setPen(QPen(ink, 2));
    p.drawLine(QPointF(left + bore / 2, deck - 45), QPointF(left + bore / 2, deck + 22));
    dimension(p, QPointF(left + bore + 70, deck), QPointF(left + bore + 70, deck + 22),
              QStringLiteral("deck clearance"), QPointF(8, 4));
    p.setPen(QPen(accent, 1, Qt::DashLine));
    p.drawLine(QPointF(left + bore + 50, deck), QPointF(left + bore + 70, deck));
    p.drawLine(QPointF(left + bore - 3, deck + 22), QPointF(left + bore + 70, deck + 22));
    label(p, QPointF(left + bore / 2 - 4, deck + 100), QPointF(10, 372),
          QStringLiteral("read over the wrist pin, at the piston's highest point"));
    // Beside it, the gasket's edge set back from the bore's.
    const double gx = 420;
    p.setPen(QPen(ink, 1));
    p.setBrush(metal);
    p.drawRect(QRectF(gx, 270, 50, 60));
    p.setBrush(gasket);
    p.drawRect(QRectF(gx + 12, 260, 38, 10));
    p.setBrush(head);
    p.drawRect(QRectF(gx - 40, 220, 90, 40));
    p.setBrush(space);
    p.setPen(Qt::NoPen);
    p.drawRect(QRectF(gx - 40, 260, 52, 10));
    p.setPen(QPen(accent, 1, Qt::DashLine));
    p.drawLine(QPointF(gx, 270), QPointF(gx, 345));
    p.drawLine(QPointF(gx + 12, 270), QPointF(gx + 12, 345));
    p.setFont(font(11, true));
    p.setPen(accent);
    p.drawText(QPointF(gx - 32, 342), QStringLiteral("bore"));
    p.drawText(QPointF(gx + 16, 342), QStringLiteral("gasket bore"));
    p.setFont(font(11));
    p.setPen(ink);
    p.drawText(QPointF(gx - 70, 372), QStringLiteral("The gasket bore is wider"));
    p.drawText(QPointF(gx - 70, 388), QStringLiteral("than the cylinder bore."));
}

void ccing(QPainter& p) {
    caption(p, QStringLiteral("cc-ing with a plate and a burette"));
    // The head upside down, its chamber up, the plate on it, tilted so that
    // the plate's fill hole is the chamber's highest point.
    const double hx = 40;
    QTransform tilt;
    tilt.translate(hx + 100, 300);
    tilt.rotate(-8);
    tilt.translate(-(hx + 100), -300);
    p.save();
    p.setTransform(tilt, true);
    p.setPen(QPen(ink, 1));
    QPainterPath chamber;
    chamber.moveTo(hx + 40, 260);
    chamber.cubicTo(hx + 50, 320, hx + 150, 320, hx + 160, 260);
    chamber.closeSubpath();
    headWithChamber(p, QRectF(hx, 260, 200, 70), chamber, liquid);
    p.setBrush(QColor(0xe8, 0xf0, 0xff));
    p.drawRect(QRectF(hx + 10, 252, 180, 8));
    p.restore();
    burette(p, tilt.map(QPointF(hx + 152, 252)));
    // The low corner on the bench, a block under the high end.
    const QPointF low = tilt.map(QPointF(hx, 330));
    const QPointF high = tilt.map(QPointF(hx + 200, 330));
    p.setBrush(metal);
    p.drawRect(QRectF(high.x() - 30, high.y() + 2, 26, low.y() - high.y() - 2));
    p.drawLine(QPointF(hx - 10, low.y()), QPointF(hx + 215, low.y()));
    p.setFont(font(11));
    p.setPen(ink);
    p.drawText(QPointF(hx - 10, 370), QStringLiteral("the head tilted: the fill hole at"));
    p.drawText(QPointF(hx - 10, 386), QStringLiteral("the top, valves and plug in"));
    // The piston a measured distance down the bore, the plate on the deck.
    const double bx = 300;
    p.setPen(QPen(ink, 1));
    p.setBrush(metal);
    p.drawRect(QRectF(bx, 260, 30, 80));
    p.drawRect(QRectF(bx + 150, 260, 30, 80));
    p.drawRect(QRectF(bx + 31, 300, 118, 40));
    p.setBrush(liquid);
    p.drawRect(QRectF(bx + 30, 260, 120, 40));
    p.setBrush(QColor(0xe8, 0xf0, 0xff));
    p.drawRect(QRectF(bx - 5, 252, 190, 8));
    burette(p, QPointF(bx + 90, 252));
    dimension(p, QPointF(bx - 15, 260), QPointF(bx - 15, 300), QString(), {});
    p.setFont(font(11));
    p.setPen(ink);
    p.drawText(QPointF(bx - 20, 360), QStringLiteral("the piston a measured distance"));
    p.drawText(QPointF(bx - 20, 376), QStringLiteral("down, its edge sealed with grease"));
    label(p, tilt.map(QPointF(hx + 185, 256)), QPointF(hx + 190, 200),
          QStringLiteral("clear plate"));
    const QPointF tip = tilt.map(QPointF(hx + 152, 252));
    label(p, tip + QPointF(8, -102), tip + QPointF(30, -102), QStringLiteral("burette"));
}

} // namespace pictures
