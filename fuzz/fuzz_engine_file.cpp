// SPDX-FileCopyrightText: 2026 The tolvaric developers
// SPDX-License-Identifier: MIT

// Any bytes at all must give either sixteen finite values or a reason.
#include "storage/EngineText.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    // Whole, and in pieces that split the text at every place a file read could.
    for (const std::size_t piece : {size + 1, std::size_t(1), std::size_t(7)}) {
        tolvaric::EngineData engine;
        tolvaric::EngineTextReader reader;
        for (std::size_t at = 0; at < size && !reader.feed(text.substr(at, piece)); at += piece) {
        }
        if (reader.finish(engine)) {
            for (const auto& field : tolvaric::engineFields) {
                if (!std::isfinite(engine.*field.member)) {
                    std::abort();
                }
            }
            // What was read writes back to a text that reads the same.
            tolvaric::EngineData again;
            if (!tolvaric::parseEngineText(tolvaric::engineFileText(engine), again).ok() ||
                !(again == engine)) {
                std::abort();
            }
        } else if (reader.failure().empty()) {
            std::abort();
        }
    }
    return 0;
}
