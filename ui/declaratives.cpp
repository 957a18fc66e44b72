// SPDX-FileCopyrightText: 2026 The tolvaric developers
// SPDX-License-Identifier: MIT

#include "declaratives.h"

namespace tolvaric::declaratives {

EngineData engineData;

} // namespace tolvaric::declaratives
