// SPDX-FileCopyrightText: 2026 The tolvaric developers
// SPDX-License-Identifier: MIT

#pragma once
// What Ctrl+P asks before its print dialog: the cylinders, the altitude
// and the boost the sheet adds, each optional. A text that is no such
// value is refused with the command line's words and the dialog stays open.

#include "text/BuildChoiceText.h"

#include <QDialog>

#include <array>

class QLabel;
class QLineEdit;

namespace tolvaric {

class SheetChoicesDialog : public QDialog {
    Q_OBJECT

  public:
    SheetChoicesDialog(const ChoiceTexts& texts, const QLocale& locale, QWidget* parent);

    ChoiceTexts texts() const;
    void accept() override;

  private:
    QLocale m_locale;
    std::array<QLineEdit*, choiceCount> m_boxes{}; // in the order of Choice
    QLabel* m_refusal = nullptr;
};

} // namespace tolvaric
