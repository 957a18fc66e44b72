// SPDX-FileCopyrightText: 2026 The tolvaric developers
// SPDX-License-Identifier: MIT

#pragma once
// What the session's commands ask of the window, and nothing more: show the
// record, the owner's name and the logo, and lend a parent for the prompts.

#include <QImage>
#include <QSize>
#include <QString>

class QWidget;

namespace tolvaric {

class SessionView {
  public:
    virtual ~SessionView() = default;
    // Fills all sixteen boxes from the session's record.
    virtual void Show_Engine_Data() = 0;
    // The result boxes' hover figures, from the record as it is now: after
    // the record took values the boxes already show.
    virtual void showResultFigures() = 0;
    virtual void showOwner(const QString& owner) = 0;
    virtual void showLogo(const QImage& picture) = 0;
    // The logo box's size in device pixels, for reading the picture to fit.
    virtual QSize logoPixels() const = 0;
    // The window the message boxes and file dialogs belong to.
    virtual QWidget* promptParent() = 0;
};

} // namespace tolvaric
