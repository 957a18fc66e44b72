// SPDX-FileCopyrightText: 2026 The tolvaric developers
// SPDX-License-Identifier: MIT

// The floor: a bare Qt window with the same 42 plain controls, placed the
// same way, and nothing else. No Qt program of this shape starts faster.
// Built with TOLVARIC_WINDOW_FACES it is the second floor: the same controls
// in the window's faces and sizes, plus the owner's line and the script line,
// which is what the window's type costs before any of tolvaric's own work.
#include "bench/FirstPaint.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#ifdef TOLVARIC_WINDOW_FACES
#include "ui/WindowFonts.h"
#include "ui/WindowLayout.h"
#endif

namespace {

#ifdef TOLVARIC_WINDOW_FACES
using namespace tolvaric::layout;

void dress(QWidget* control, double pointSize) {
    control->setFont(tolvaric::arial(pointSize));
}

void addWindowLines(QWidget& window) {
    auto* owner = new QLabel(QStringLiteral("Owner"), &window);
    owner->setGeometry(304, 310, 205, 30);
    dress(owner, ownerPointSize);
    auto* distribute = new QLabel(QStringLiteral("Distribute Freely"), &window);
    distribute->setGeometry(304, 350, 205, 20);
    distribute->setFont(tolvaric::script(distributePointSize));
}
#else
constexpr double labelPointSize = 0, boxPointSize = 0, buttonPointSize = 0;
void dress(QWidget*, double) {}
void addWindowLines(QWidget&) {}
#endif

} // namespace

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QWidget window;
    window.resize(510, 400);
    for (int row = 0; row < 17; ++row) {
        auto* label = new QLabel(QStringLiteral("Label %1:").arg(row), &window);
        label->setGeometry(4, row * 20, 237, 17);
        dress(label, labelPointSize);
        auto* box = new QLineEdit(QStringLiteral("4.000"), &window);
        box->setGeometry(244, row * 20, 57, 24);
        dress(box, boxPointSize);
    }
    for (int button = 0; button < 7; ++button) {
        auto* push = new QPushButton(QStringLiteral("Button %1").arg(button), &window);
        push->setGeometry(316, button * 30, 185, 25);
        dress(push, buttonPointSize);
    }
    (new QLabel(&window))->setGeometry(304, 176, 205, 125);
    addWindowLines(window);
    window.show();
    new FirstPaint(window);
    return QApplication::exec();
}
