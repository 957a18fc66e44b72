// SPDX-FileCopyrightText: 2026 The tolvaric developers
// SPDX-License-Identifier: MIT

#pragma once
// Stands for the window where a test of the session's commands looks only at
// what they asked it to show: the record, the owner's name and the logo.

#include "ui/SessionView.h"

class FakeView : public tolvaric::SessionView {
  public:
    void Show_Engine_Data() override { ++recordsShown; }
    void showResultFigures() override {}
    void showOwner(const QString& shown) override { owner = shown; }
    void showLogo(const QImage& picture) override { logo = picture; }
    QSize logoPixels() const override { return {205, 125}; } // the window's box at 96 dpi
    QWidget* promptParent() override { return nullptr; }

    int recordsShown = 0;
    QString owner;
    QImage logo;
};
