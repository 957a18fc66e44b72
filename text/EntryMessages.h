// SPDX-FileCopyrightText: 2026 The tolvaric developers
// SPDX-License-Identifier: MIT

#pragma once
// What the window says of a box's text that it cannot take.

#include "model/TypedValue.h"

#include <QString>

namespace tolvaric {

// Text typed into a box that is no number (or too large for one, or a
// number with a unit the box does not take), with the units it does take in
// a window of `system`, and examples that fit the field, written with the
// user's decimal separator `point`.
QString unreadableEntryText(const QString& caption, const QString& entry, TypedReading::Kind kind,
                            Quantity quantity, UnitSystem system, const QString& point);

} // namespace tolvaric
