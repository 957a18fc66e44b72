// SPDX-FileCopyrightText: 2026 The tolvaric developers
// SPDX-License-Identifier: MIT

#pragma once
// The file dialog "CdlOpen". Besides Qt's own checks it accepts only a file
// that could be written, for fetching as for saving: not read-only, not in a
// write-protected folder, and for saving in an existing folder. It says why
// and stays open. A native dialog has closed before it can be refused: the
// caller checks its answer again, says why, and ends the command.

#include "text/FileRefusal.h"

#include <QFileDialog>

namespace tolvaric {

FileRefusal dataFileRefusal(const QString& path, bool saving);

class DataFileDialog : public QFileDialog {
    Q_OBJECT
  public:
    using QFileDialog::QFileDialog;
    void accept() override;
};

} // namespace tolvaric
