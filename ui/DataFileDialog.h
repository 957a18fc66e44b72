// SPDX-FileCopyrightText: 2026 The tolvaric developers
// SPDX-License-Identifier: MIT

#pragma once
// The file dialog "CdlOpen". Besides Qt's own checks it accepts for saving
// only a file that can be written: in an existing folder, not read-only, and
// a new file only where the user may create one. It says why and stays open.

#include <QFileDialog>

namespace tolvaric {

// Why a file can't be saved at `path`, or an empty text when it can.
QString saveRefusal(const QString& path);

class DataFileDialog : public QFileDialog {
    Q_OBJECT
  public:
    using QFileDialog::QFileDialog;
    void accept() override;
};

} // namespace tolvaric
