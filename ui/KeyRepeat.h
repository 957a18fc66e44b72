// SPDX-FileCopyrightText: 2026 The tolvaric developers
// SPDX-License-Identifier: MIT

#pragma once
// A held key on X11 sends a release and a new press with every repeat, and Qt
// guesses which releases are real by looking for the next press; under load
// the press has not arrived yet and the guess fails. Asking the X server for
// detectable auto-repeat (XKB) leaves only the real release.

namespace tolvaric {

// Does nothing off X11 or where the server lacks XKB.
void askForDetectableAutoRepeat();

} // namespace tolvaric
