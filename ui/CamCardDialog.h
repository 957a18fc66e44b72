// SPDX-FileCopyrightText: 2026 The tolvaric developers
// SPDX-License-Identifier: MIT

#pragma once
// "From a Cam Card...": the intake's opening and closing as the card gives
// them, at the seat or at 0.050 in of lift with a ramp allowance the user
// sees and may change, turned into the seat duration and centerline the
// window's two boxes take. It shows what it will store as it is typed, and
// accepts only events that read as degrees and make a plausible lobe.

#include "model/CamCard.h"

#include <QDialog>
#include <QLocale>

#include <optional>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace tolvaric {

class CamCardDialog : public QDialog {
    Q_OBJECT

  public:
    // Starts from the events that `current` (the boxes' values) stands for.
    CamCardDialog(SeatTiming current, const QLocale& locale, QWidget* parent);

    // What OK stores, or nothing while the entries do not read.
    std::optional<SeatTiming> timing() const;

  private:
    QLineEdit* addEntry(const char* name, double value);
    void update();
    QString degrees(double value) const;

    QLocale m_locale;
    QComboBox* m_lift = nullptr;
    QLineEdit* m_opening = nullptr;
    QLineEdit* m_closing = nullptr;
    QLineEdit* m_allowance = nullptr;
    QLabel* m_result = nullptr;
    QPushButton* m_ok = nullptr;
};

} // namespace tolvaric
