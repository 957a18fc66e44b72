// SPDX-FileCopyrightText: 2026 The tolvaric developers
// SPDX-License-Identifier: MIT

#pragma once
// The program's constants, each defined here once with its source. The inch
// is 25.4 mm exactly (international yard and pound, 1959), so a cubic inch
// is 16.387064 cc exactly; the pound per square inch is 6894.757293168 Pa
// (NIST SP 811). The typed-value reader converts with the exact fractions;
// the sheet with their nearest doubles.

#include <cmath>
#include <cstdint>

namespace tolvaric {

// One unit in another as an exact fraction.
struct UnitRatio {
    std::uint64_t numerator;
    std::uint64_t denominator;
};
constexpr double valueOf(UnitRatio ratio) {
    return double(ratio.numerator) / double(ratio.denominator);
}

inline constexpr UnitRatio inchInMillimetres{127, 5};
inline constexpr UnitRatio inchInCentimetres{127, 50};
inline constexpr UnitRatio cubicInchInCc{127 * 127 * 127, 50 * 50 * 50};
// The international foot is 0.3048 m exactly: a metre is 1250/381 ft.
inline constexpr UnitRatio metreInFeet{1250, 381};
inline constexpr UnitRatio footInMetres{381, 1250};
// The bar (100 kPa) and the kilopascal in psi, from the psi's 6894.757293168 Pa.
inline constexpr UnitRatio barInPsi{6250000000000, 430922330823};
inline constexpr UnitRatio kilopascalInPsi{62500000000, 430922330823};

inline constexpr double millimetresPerInch = valueOf(inchInMillimetres);
inline constexpr double pascalsPerPsi = 6894.757293168;
inline constexpr double pascalsPerBar = 100000;
// Pascals in an inch of mercury at 0 degrees C (NIST SP 811).
inline constexpr double pascalsPerInHg = 3386.389;
// The atmosphere the workshop reckons with, in psi: a naturally aspirated
// ratio is measured against it, and a gauge reads above it. (The standard
// 101325 Pa is 14.696 psi; the formulas' builders use the round figure.)
inline constexpr double atmospherePsi = 14.7;

// The 1976 U.S. Standard Atmosphere below 11 km: sea-level pressure and
// temperature, the temperature's lapse rate, and the exponent g0 M / (R L).
namespace standardAtmosphere {
inline constexpr double seaLevelPascals = 101325;
inline constexpr double seaLevelKelvin = 288.15;
inline constexpr double lapseKelvinPerMetre = 0.0065;
inline constexpr double pressureExponent = 5.25588;
} // namespace standardAtmosphere

// The double nearest pi, as 4 arctan 1 gives it.
inline constexpr double pi = 3.141592653589793;

inline double psiToBar(double psi) {
    return psi * pascalsPerPsi / pascalsPerBar;
}
inline double psiToKilopascal(double psi) {
    return psi * pascalsPerPsi / 1000;
}

// Cubic centimetres in a cubic inch as the calculations have always worked
// it out, the centimetre inch cubed: its last bit lies above 16.387064's,
// and the builders' reference figures carry it.
inline double cubicCentimetresPerCubicInch() {
    return std::pow(valueOf(inchInCentimetres), 3.0);
}

} // namespace tolvaric
