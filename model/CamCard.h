// SPDX-FileCopyrightText: 2026 The tolvaric developers
// SPDX-License-Identifier: MIT

#pragma once
// A cam card's intake events turned into the window's two boxes. A card
// gives the crank angles at which the intake opens before top dead centre
// and closes after bottom dead centre, at a stated lift: at the seat (the
// checking height), or at 0.050 in of lift.

namespace tolvaric {

struct IntakeEvents {
    double openingBtdc = 0; // degrees before top dead centre; negative after it
    double closingAbdc = 0; // degrees after bottom dead centre
};

struct SeatTiming {
    double duration = 0;   // Intake Seat Duration, crank degrees
    double centerline = 0; // Intake Centerline, degrees after top dead centre
};

// The duration runs from opening to closing: opening + 180 + closing; the
// centerline lies half way, (closing - opening) / 2 + 90 after top dead
// centre. Events at 0.050 in of lift lie inside the seat events by the
// lobe's ramps: `rampAllowance`, the degrees the seat duration has beyond
// the 0.050-inch one, split evenly over both ramps, lengthens the duration
// and leaves the centerline where it is.
constexpr SeatTiming seatTiming(IntakeEvents events, double rampAllowance = 0) {
    return {events.openingBtdc + 180 + events.closingAbdc + rampAllowance,
            (events.closingAbdc - events.openingBtdc) / 2 + 90};
}

// The other way, for a dialog that starts from the boxes.
constexpr IntakeEvents intakeEvents(SeatTiming timing) {
    return {timing.duration / 2 - timing.centerline, timing.duration / 2 + timing.centerline - 180};
}

// No intake lobe of a four-stroke engine is open for none or for a whole
// turn of the crank and more.
constexpr bool plausibleDuration(double duration) {
    return duration > 0 && duration < 360;
}

} // namespace tolvaric
