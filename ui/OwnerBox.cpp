// SPDX-FileCopyrightText: 2026 The tolvaric developers
// SPDX-License-Identifier: MIT

#include "ui/OwnerBox.h"

#include "storage/WholeText.h"

#include <QKeyEvent>
#include <QMimeData>

namespace tolvaric {

OwnerBox::OwnerBox(qsizetype limit, QWidget* parent) : QTextEdit(parent), m_limit(limit) {}

qsizetype OwnerBox::room() const {
    const qsizetype held = document()->characterCount() - 1; // the last paragraph end
    return std::max<qsizetype>(0, m_limit - held + textCursor().selectedText().size());
}

void OwnerBox::insertFromMimeData(const QMimeData* source) {
    if (!source->hasText()) {
        return;
    }
    QString text = source->text();
    if (text.size() <= room()) {
        QTextEdit::insertFromMimeData(source);
        return;
    }
    textCursor().insertText(leftWhole(text, room()));
    emit pasteCut();
}

void OwnerBox::keyPressEvent(QKeyEvent* event) {
    const bool typesText = !event->text().isEmpty() && event->text().at(0).isPrint();
    const bool breaksLine = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if ((typesText || breaksLine) && room() < std::max<qsizetype>(1, event->text().size())) {
        event->accept(); // full: the key types nothing
        return;
    }
    QTextEdit::keyPressEvent(event);
}

} // namespace tolvaric
