// SPDX-FileCopyrightText: 2026 The tolvaric developers
// SPDX-License-Identifier: MIT

#include "model/EngineData.h"

#include "model/DecimalReader.h"

namespace tolvaric {

EngineData initialEngineData() {
    EngineData engine;
    for (const auto& field : engineFields) {
        engine.*field.member = parseDecimal(field.initialText).value_or(0);
    }
    return engine;
}

} // namespace tolvaric
