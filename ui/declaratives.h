// SPDX-FileCopyrightText: 2026 The tolvaric developers
// SPDX-License-Identifier: MIT

#pragma once
// The program's one engine record, all zeros at start and never reset. The
// window and the commands work on it by reference.

#include "EngineData.h"

namespace tolvaric::declaratives {

extern EngineData engineData;

} // namespace tolvaric::declaratives
