// SPDX-FileCopyrightText: 2026 The tolvaric developers
// SPDX-License-Identifier: MIT

// Any text typed into a box must give a finite value or a refusal, and a
// number without a unit must read as the plain number reader reads it.
#include "model/TypedValue.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    using Kind = tolvaric::TypedReading::Kind;
    for (const auto quantity :
         {tolvaric::Quantity::Length, tolvaric::Quantity::Volume, tolvaric::Quantity::Angle,
          tolvaric::Quantity::Ratio, tolvaric::Quantity::Pressure, tolvaric::Quantity::Plain}) {
        const auto reading = tolvaric::readTypedValue(text, quantity);
        if (reading.kind == Kind::Number && !std::isfinite(reading.value)) {
            std::abort();
        }
        const auto plain = tolvaric::readDecimal(text);
        if (plain.kind == tolvaric::DecimalReading::Kind::Number &&
            (reading.kind != Kind::Number ||
             std::memcmp(&reading.value, &plain.value, sizeof plain.value) != 0)) {
            std::abort();
        }
    }
    return 0;
}
