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
        const auto parsed = tolvaric::parseEngineText(text, truncated);
        if (const auto* engine = std::get_if<tolvaric::EngineData>(&parsed)) {
            for (const auto& field : tolvaric::engineFields) {
                if (!std::isfinite(engine->*field.member)) {
                    std::abort();
                }
            }
            // What was read writes back to a text that reads the same.
            const auto again = tolvaric::parseEngineText(tolvaric::engineFileText(*engine));
            if (!std::holds_alternative<tolvaric::EngineData>(again)) {
                std::abort();
            }
        } else if (std::get<std::string>(parsed).empty()) {
            std::abort();
        }
    }
    return 0;
}
