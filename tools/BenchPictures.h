// SPDX-FileCopyrightText: 2026 The tolvaric developers
// SPDX-License-Identifier: MIT

#pragma once
// The help's diagrams of checks at the bench: deck clearance read with a
// bridge, and cc-ing a chamber and a piston with a plate and a burette.

#include <QPainter>

namespace pictures {

void deckBridge(QPainter& p);
void ccing(QPainter& p);

} // namespace pictures
