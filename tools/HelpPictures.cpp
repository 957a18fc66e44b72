// SPDX-FileCopyrightText: 2026 The tolvaric developers
// SPDX-License-Identifier: MIT

// Draws the help document's diagrams at twice the size they are shown, as
// small palette PNGs: the clearance volume's parts, the crank at intake
// closing, the deck bridge, cc-ing with a plate and a burette, and the
// sheet's charts as the program paints them.
//   tolvaric_help_pictures FOLDER           writes them there
//   tolvaric_help_pictures --check FOLDER   says which there differ from them
// The pictures are kept in the repository; run this after changing one.

#include "sheet/ChartStyle.h"
#include "tools/BenchPictures.h"
#include "tools/ChartPictures.h"
#include "tools/HelpDrawing.h"

#include <QColor>
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QtMath>

#include <cstdio>
#include <functional>

namespace {

using namespace pictures;
using tolvaric::seriesColourName;

constexpr int scale = 2;
// The clearance volume at top dead centre, in section.
void clearanceParts(QPainter& p) {
    caption(p, QStringLiteral("The clearance volume at top dead center"));
    const double bore = 200, left = 60, deck = 200;
    block(p, left, bore, deck, 40, 130);
    // The head with its chamber, the gasket between.
    QPainterPath chamber;
    chamber.moveTo(left + 25, 190);
    chamber.cubicTo(left + 35, 115, left + 165, 115, left + 180, 190);
    chamber.closeSubpath();
    headWithChamber(p, QRectF(left - 40, 70, bore + 80, 120), chamber, space);
    p.setBrush(gasket);
    p.drawRect(QRectF(left - 40, 190, 32, 10));
    p.drawRect(QRectF(left + bore + 8, 190, 32, 10));
    // The gasket's bore and the deck clearance above the piston hold charge too.
    p.setBrush(space);
    p.setPen(Qt::NoPen);
    p.drawRect(QRectF(left - 8, 190, bore + 16, 10));
    p.drawRect(QRectF(left, 200, bore, 8));
    // The piston a little below the deck, its top land and ring, a dome and a relief.
    p.setPen(QPen(ink, 1));
    const double crown = 208;
    p.drawRect(QRectF(left, crown, bore, 36)); // the top land's ring of space
    p.setBrush(metal);
    p.drawRect(QRectF(left + 5, crown, bore - 10, 122));
    p.setBrush(ink);
    p.drawRect(QRectF(left, crown + 36, 5, 5));
    p.drawRect(QRectF(left + bore - 5, crown + 36, 5, 5));
    QPainterPath dome;
    dome.moveTo(left + 100, crown);
    dome.quadTo(left + 135, crown - 36, left + 170, crown);
    dome.closeSubpath();
    p.setBrush(metal);
    p.drawPath(dome);
    p.setBrush(space);
    p.drawRect(QRectF(left + 30, crown, 40, 8));
    // Names, right of the section.
    const double names = left + bore + 60;
    label(p, QPointF(left + 70, 165), QPointF(names, 110), QStringLiteral("chamber"));
    label(p, QPointF(left + 135, crown - 14), QPointF(names, 140),
          QStringLiteral("dome (taken away)"));
    label(p, QPointF(left + bore + 24, 195), QPointF(names, 170), QStringLiteral("gasket"));
    label(p, QPointF(left + bore + 4, 195), QPointF(names, 190), QStringLiteral("gasket bore"));
    label(p, QPointF(left + 185, 204), QPointF(names, 215), QStringLiteral("deck clearance"));
    // The relief's pointer passes below the top land's ring, across the piston.
    label(p, QPointF(left + bore - 2, crown + 20), QPointF(names, 255), QStringLiteral("top land"));
    label(p, QPointF(left + 50, crown + 4), QPointF(names, 290), QStringLiteral("valve relief"));
    p.setFont(font(11));
    p.setPen(ink);
    p.drawText(QPointF(10, 372), QStringLiteral("Shaded: the clearance volume, every part of"));
    p.drawText(QPointF(10, 388),
               QStringLiteral("the cylinder above the piston at top dead center."));
}

// The crank, the rod and the piston at intake closing.
void crankAtClosing(QPainter& p) {
    caption(p, QStringLiteral("The piston at intake closing"));
    const QPointF centre(170, 320);
    const double radius = 50, rod = 170;
    const double closing = 60; // degrees after bottom dead centre
    // The crank turns on: after BDC the pin has come round from the bottom.
    const double a = qDegreesToRadians(180.0 - closing);
    const QPointF pin = centre + QPointF(radius * std::sin(a), -radius * std::cos(a));
    const double dx = pin.x() - centre.x();
    const QPointF wrist(centre.x(), pin.y() - std::sqrt(rod * rod - dx * dx));
    const double tdcWrist = centre.y() - radius - rod;
    const double bdcWrist = centre.y() + radius - rod;
    // The cylinder and the piston's top at TDC, BDC and now.
    p.setPen(QPen(ink, 1));
    p.setBrush(Qt::NoBrush);
    p.drawLine(QPointF(centre.x() - 60, 40), QPointF(centre.x() - 60, bdcWrist + 40));
    p.drawLine(QPointF(centre.x() + 60, 40), QPointF(centre.x() + 60, bdcWrist + 40));
    p.setBrush(metal);
    p.drawRect(QRectF(centre.x() - 58, wrist.y() - 30, 116, 55));
    p.setPen(QPen(ink, 1, Qt::DashLine));
    for (const double y : {tdcWrist - 30, bdcWrist - 30}) {
        p.drawLine(QPointF(centre.x() - 60, y), QPointF(centre.x() + 60, y));
    }
    // The crank circle, the crank throw and the rod.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(ink, 1, Qt::DotLine));
    p.drawEllipse(centre, radius, radius);
    p.setPen(QPen(ink, 3));
    p.drawLine(centre, pin);
    p.drawLine(pin, wrist);
    p.setBrush(ink);
    for (const QPointF& at : {centre, pin, wrist}) {
        p.drawEllipse(at, 3.5, 3.5);
    }
    // The angle after bottom dead centre.
    p.setPen(QPen(accent, 1.2));
    p.setBrush(Qt::NoBrush);
    p.drawLine(centre, centre + QPointF(0, radius + 18));
    p.drawArc(QRectF(centre - QPointF(28, 28), QSizeF(56, 56)), -90 * 16, int(closing * 16));
    p.setFont(font(11, true));
    p.setPen(accent);
    p.drawText(centre + QPointF(-150, 62), QStringLiteral("intake closing, degrees after BDC"));
    dimension(p, QPointF(centre.x() + 200, tdcWrist - 30),
              QPointF(centre.x() + 200, wrist.y() - 30), QStringLiteral("effective stroke"),
              QPointF(8, 4));
    dimension(p, QPointF(centre.x() - 90, tdcWrist - 30), QPointF(centre.x() - 90, bdcWrist - 30),
              QStringLiteral("stroke"), QPointF(-60, 4));
    p.setPen(QPen(accent, 1, Qt::DashLine));
    p.drawLine(QPointF(centre.x() + 60, wrist.y() - 30), QPointF(centre.x() + 200, wrist.y() - 30));
    label(p, (pin + wrist) / 2, QPointF(centre.x() + 110, 260), QStringLiteral("rod length"));
    label(p, (centre + pin) / 2, QPointF(centre.x() + 110, 300),
          QStringLiteral("crank radius = stroke / 2"));
    p.setFont(font(11));
    p.setPen(ink);
    p.drawText(QPointF(centre.x() + 64, tdcWrist - 26), QStringLiteral("top dead center"));
    p.drawText(QPointF(centre.x() + 64, bdcWrist - 26), QStringLiteral("bottom dead center"));
}

// A diagram on white, at `scale` times the size it is shown.
QImage drawn(QSize size, const std::function<void(QPainter&)>& draw) {
    QImage image(size * scale, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(scale, scale);
    draw(painter);
    return image;
}

// A palette of a picture's colours and their blends with `towards` keeps
// each file to some kilobytes.
QImage inPalette(const QImage& image, const QList<QColor>& colours,
                 const QList<QColor>& blends = {QColor(Qt::white), ink}) {
    QList<QRgb> palette;
    for (const QColor& colour : colours) {
        for (int step = 0; step <= 3; ++step) {
            for (const QColor& towards : blends) {
                const double t = step / 4.0;
                palette.append(qRgb(int(colour.red() * (1 - t) + towards.red() * t),
                                    int(colour.green() * (1 - t) + towards.green() * t),
                                    int(colour.blue() * (1 - t) + towards.blue() * t)));
            }
        }
    }
    return image.convertToFormat(QImage::Format_Indexed8, palette, Qt::ThresholdDither);
}

struct Picture {
    const char* file;
    std::function<QImage()> render;
};

} // namespace

int main(int argc, char** argv) {
    QGuiApplication application(argc, argv);
    const bool check = argc == 3 && QByteArray(argv[1]) == "--check";
    if (argc != 2 && !check) {
        std::fputs("usage: tolvaric_help_pictures [--check] FOLDER\n", stderr);
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[argc - 1]));
    const QList<QColor> drawing{ink,
                                metal,
                                head,
                                gasket,
                                space,
                                liquid,
                                accent,
                                QColor(Qt::white),
                                QColor(0xe8, 0xf0, 0xff)};
    const auto diagram = [&](QSize size, void (*draw)(QPainter&)) {
        return [=] { return inPalette(drawn(size, draw), drawing); };
    };
    QList<QColor> chart{QColor(Qt::white)};
    for (const char* name :
         {seriesColourName(0), seriesColourName(1), tolvaric::chartStyle::gridColour,
          tolvaric::chartStyle::targetColour}) {
        chart.append(QColor(QLatin1String(name)));
    }
    int differing = 0;
    const Picture pictures[] = {
        {"clearance-volume.png", diagram({520, 400}, clearanceParts)},
        {"intake-closing.png", diagram({520, 400}, crankAtClosing)},
        {"deck-bridge.png", diagram({520, 400}, deckBridge)},
        {"cc-ing.png", diagram({520, 400}, ccing)},
        {"sheet-charts.png",
         [&] { return inPalette(sheetCharts(519, scale), chart, {QColor(Qt::white)}); }},
    };
    for (const auto& picture : pictures) {
        const QImage small = picture.render();
        const QString path = folder.filePath(QLatin1String(picture.file));
        if (check) {
            // The pixels, whatever compression the file was stored with.
            const QImage kept(path);
            if (kept.convertToFormat(QImage::Format_ARGB32) !=
                small.convertToFormat(QImage::Format_ARGB32)) {
                std::fprintf(stderr, "%s is not what its drawing gives\n", qPrintable(path));
                ++differing;
            }
        } else if (!small.save(path, "PNG", 0)) { // 0: the strongest compression
            std::fprintf(stderr, "could not write %s\n", qPrintable(path));
            return 1;
        }
    }
    return differing == 0 ? 0 : 1;
}
