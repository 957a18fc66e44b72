// SPDX-FileCopyrightText: 2026 The tolvaric developers
// SPDX-License-Identifier: MIT

// Any bytes at all must give either sixteen finite values or a reason.
#include "storage/EngineText.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    for (const bool truncated : {false, true}) {
        tolvaric::EngineData engine;
        const auto status = tolvaric::parseEngineText(text, engine, truncated);
        if (status.ok) {
            for (const auto& field : tolvaric::engineFields) {
                if (!std::isfinite(engine.*field.member)) {
                    std::abort();
                }
            }
            // What was read writes back to a text that reads the same.
            tolvaric::EngineData again;
            if (!tolvaric::parseEngineText(tolvaric::engineFileText(engine), again).ok ||
                !(again == engine)) {
                std::abort();
            }
        } else if (status.reason.isEmpty()) {
            std::abort();
        }
    }
    return 0;
}
