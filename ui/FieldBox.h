// SPDX-FileCopyrightText: 2026 The tolvaric developers
// SPDX-License-Identifier: MIT

#pragma once
// One numeric box of the window. Enter moves on at once (once per repeated
// character, the character swallowed); Down/Page Down and Up/Page Up move when
// the key is released; leaving the box for another control reports it so the
// window can store the text in the record.

#include "model/EngineData.h"

#include <QLineEdit>

namespace tolvaric {

class FieldBox : public QLineEdit {
    Q_OBJECT
  public:
    FieldBox(const FieldInfo& field, QWidget* parent);

    const FieldInfo& field() const { return m_field; }
    // The neighbours in record order; nullptr at either end of the chain.
    void setChain(FieldBox* previous, FieldBox* next);
    // Takes the focus from a neighbour, with the whole text selected.
    void enter();
    // Put after the usual editing entries of the box's context menu.
    void addMenuAction(QAction* action) { m_menuActions.append(action); }

  signals:
    // The focus went to another control of this window (not to another
    // application or to a message box).
    void leftForAnotherControl(tolvaric::FieldBox* box);

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

  private:
    const FieldInfo& m_field;
    FieldBox* m_previous = nullptr;
    FieldBox* m_next = nullptr;
    QList<QAction*> m_menuActions;
};

} // namespace tolvaric
