// SPDX-FileCopyrightText: 2026 The tolvaric developers
// SPDX-License-Identifier: MIT

#include "ui/FieldBox.h"

#include <QContextMenuEvent>
#include <QDropEvent>
#include <QKeyEvent>
#include <QMenu>

#include <memory>

namespace tolvaric {

FieldBox::FieldBox(const FieldInfo& field, QWidget* parent) : QLineEdit(parent), m_field(field) {}

void FieldBox::setChain(FieldBox* previous, FieldBox* next) {
    m_previous = previous;
    m_next = next;
}

void FieldBox::enter() {
    setFocus(Qt::OtherFocusReason);
    // As Tab does: what is typed next replaces the value.
    selectAll();
}

void FieldBox::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        // The last box has no next one; Enter there goes back one box.
        if (auto* target = m_next ? m_next : m_previous) {
            target->enter();
        }
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void FieldBox::keyReleaseEvent(QKeyEvent* event) {
    // A held arrow key repeats press and release; only the real release moves.
    if (!event->isAutoRepeat()) {
        const int key = event->key();
        if ((key == Qt::Key_Down || key == Qt::Key_PageDown) && m_next) {
            m_next->enter();
        }
        if ((key == Qt::Key_Up || key == Qt::Key_PageUp) && m_previous) {
            m_previous->enter();
        }
    }
    QLineEdit::keyReleaseEvent(event);
}

void FieldBox::dropEvent(QDropEvent* event) {
    QLineEdit::dropEvent(event);
    // Text dropped into a box is typed text: the box takes the focus, and
    // leaving it stores the value or reports it as unreadable.
    setFocus(Qt::OtherFocusReason);
}

void FieldBox::contextMenuEvent(QContextMenuEvent* event) {
    const std::unique_ptr<QMenu> menu(createStandardContextMenu());
    if (!m_menuActions.isEmpty()) {
        menu->addSeparator();
        menu->addActions(m_menuActions);
    }
    menu->exec(event->globalPos());
}

void FieldBox::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    if (event->reason() != Qt::ActiveWindowFocusReason && event->reason() != Qt::PopupFocusReason) {
        emit leftForAnotherControl(this);
        // A text longer than the box shows its start, not the end typed last.
        if (!hasFocus()) {
            setCursorPosition(0);
        }
    }
}

} // namespace tolvaric
