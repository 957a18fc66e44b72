// SPDX-FileCopyrightText: 2026 The tolvaric developers
// SPDX-License-Identifier: MIT

#include "ui/ColorButton.h"

#include "ui/ReadableText.h"

#include <QKeyEvent>
#include <QPainter>
#include <qdrawutil.h>

namespace tolvaric {

ColorButton::ColorButton(const QString& caption, const QColor& face, QWidget* parent)
    : QAbstractButton(parent), m_face(face) {
    setText(caption);
    setFocusPolicy(Qt::StrongFocus);
}

QRect ColorButton::captionRect() const {
    return rect().adjusted(3, 1, -3, -1);
}

void ColorButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QBrush faceBrush(m_face);
    QPalette bevel = palette();
    bevel.setColor(QPalette::Button, m_face);
    qDrawWinButton(&painter, rect(), bevel, isDown(), &faceBrush);

    painter.setFont(font());
    const QColor caption = readableOn(m_face, palette().color(QPalette::ButtonText));
    painter.setPen(caption);
    const QRect area = captionRect().translated(isDown() ? QPoint(1, 1) : QPoint());
    painter.drawText(area, Qt::AlignCenter | Qt::TextWordWrap, text());

    if (hasFocus()) {
        painter.setPen(QPen(caption, 1, Qt::DotLine));
        painter.drawRect(rect().adjusted(3, 3, -4, -4));
    }
}

void ColorButton::keyPressEvent(QKeyEvent* event) {
    // Enter presses the button that has the focus, as Space does.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        click();
        return;
    }
    QAbstractButton::keyPressEvent(event);
}

} // namespace tolvaric
