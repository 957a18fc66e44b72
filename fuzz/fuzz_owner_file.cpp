// SPDX-FileCopyrightText: 2026 The tolvaric developers
// SPDX-License-Identifier: MIT

// Any bytes at all must give either valid UTF-8 text or nothing, and a name
// written back must read back the same.
#include "storage/OwnerText.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const auto owner = tolvaric::parseOwnerText(text);
    if (!owner) {
        return 0;
    }
    if (!tolvaric::isValidUtf8(*owner)) {
        std::abort();
    }
    if (owner->find('"') == std::string::npos) {
        const auto back = tolvaric::parseOwnerText(tolvaric::ownerFileText(*owner));
        if (!back || *back != *owner) {
            std::abort();
        }
    }
    return 0;
}
