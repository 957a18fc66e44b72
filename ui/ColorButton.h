// SPDX-FileCopyrightText: 2026 The tolvaric developers
// SPDX-License-Identifier: MIT

#pragma once
// A command button whose whole face is filled with its colour and whose
// caption is centred and wrapped onto further lines, under every style.

#include <QAbstractButton>
#include <QColor>

namespace tolvaric {

class ColorButton : public QAbstractButton {
    Q_OBJECT
  public:
    ColorButton(const QString& caption, const QColor& face, QWidget* parent);
    QColor face() const { return m_face; }
    // Where the caption is drawn, inside the bevel.
    QRect captionRect() const;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    QColor m_face;
};

} // namespace tolvaric
