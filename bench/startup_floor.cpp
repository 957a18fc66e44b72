// SPDX-FileCopyrightText: 2026 The tolvaric developers
// SPDX-License-Identifier: MIT

// The floor: a bare Qt window with the same 42 plain controls, placed the
// same way, and nothing else. No Qt program of this shape starts faster.
#include "bench/FirstPaint.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QWidget window;
    window.resize(510, 400);
    for (int row = 0; row < 17; ++row) {
        (new QLabel(QStringLiteral("Label %1:").arg(row), &window))
            ->setGeometry(4, row * 20, 237, 17);
        (new QLineEdit(QStringLiteral("4.000"), &window))->setGeometry(244, row * 20, 57, 24);
    }
    for (int button = 0; button < 7; ++button) {
        (new QPushButton(QStringLiteral("Button %1").arg(button), &window))
            ->setGeometry(316, button * 30, 185, 25);
    }
    (new QLabel(&window))->setGeometry(304, 176, 205, 125);
    window.show();
    new FirstPaint(window);
    return QApplication::exec();
}
