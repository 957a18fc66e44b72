// SPDX-FileCopyrightText: 2026 The tolvaric developers
// SPDX-License-Identifier: MIT

#pragma once
// The version block: the name and version the program reports.

#include <QString>

namespace tolvaric {

inline const QString productName = QStringLiteral("tolvaric");
// From the project's one version, in CMakeLists.txt.
inline const QString productVersion = QStringLiteral(TOLVARIC_VERSION);

} // namespace tolvaric
