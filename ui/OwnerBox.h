// SPDX-FileCopyrightText: 2026 The tolvaric developers
// SPDX-License-Identifier: MIT

#pragma once
// The owner box "TxtOwner": a name of several lines, centred, at most
// `limit` characters, so that it always lays out at once. A paste that would
// go past the limit is cut to what fits, and the box says so.

#include <QTextEdit>

namespace tolvaric {

class OwnerBox : public QTextEdit {
    Q_OBJECT
  public:
    OwnerBox(qsizetype limit, QWidget* parent);

  signals:
    // A paste or drop was cut at the limit.
    void pasteCut();

  protected:
    void insertFromMimeData(const QMimeData* source) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    // How many characters the box can still take in place of the selection.
    qsizetype room() const;

    qsizetype m_limit;
};

} // namespace tolvaric
