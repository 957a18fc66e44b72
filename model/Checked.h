// SPDX-FileCopyrightText: 2026 The tolvaric developers
// SPDX-License-Identifier: MIT

#pragma once
// Arithmetic that stops a calculation at the first step that overflows,
// divides by zero or is invalid, so no infinity or NaN is ever carried on.

#include <cmath>

namespace tolvaric {

struct ComputationFailure {};

class Checked {
  public:
    Checked(double value) : m_value(check(value)) {} // NOLINT: implicit by design
    double value() const { return m_value; }

    friend Checked operator+(Checked a, Checked b) { return a.m_value + b.m_value; }
    friend Checked operator-(Checked a, Checked b) { return a.m_value - b.m_value; }
    friend Checked operator*(Checked a, Checked b) { return a.m_value * b.m_value; }
    friend Checked operator/(Checked a, Checked b) { return a.m_value / b.m_value; }
    friend Checked operator-(Checked a) { return -a.m_value; }
    friend bool operator<=(Checked a, Checked b) { return a.m_value <= b.m_value; }

  private:
    static double check(double value) {
        if (!std::isfinite(value)) {
            throw ComputationFailure{};
        }
        return value;
    }
    double m_value;
};

inline Checked squared(Checked x) {
    return std::pow(x.value(), 2.0);
}
inline Checked power(Checked x, double exponent) {
    return std::pow(x.value(), exponent);
}
inline Checked sine(Checked x) {
    return std::sin(x.value());
}
inline Checked cosine(Checked x) {
    return std::cos(x.value());
}

} // namespace tolvaric
