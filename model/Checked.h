// SPDX-FileCopyrightText: 2026 The tolvaric developers
// SPDX-License-Identifier: MIT

#pragma once
// Arithmetic that notes the first step that overflows, divides by zero or is
// invalid: from then on every result is failed, so no infinity or NaN is ever
// carried on, and the calculation reports the failure where it decides.

#include <cmath>

namespace tolvaric {

class Checked {
  public:
    Checked(double value) : m_value(value), m_failed(!std::isfinite(value)) {} // NOLINT: implicit
    static Checked failure() { return Checked(NAN); }

    bool failed() const { return m_failed; }
    double value() const { return m_value; } // meaningful only when not failed

    friend Checked operator+(Checked a, Checked b) { return step(a, b, a.m_value + b.m_value); }
    friend Checked operator-(Checked a, Checked b) { return step(a, b, a.m_value - b.m_value); }
    friend Checked operator*(Checked a, Checked b) { return step(a, b, a.m_value * b.m_value); }
    friend Checked operator/(Checked a, Checked b) { return step(a, b, a.m_value / b.m_value); }
    friend Checked operator-(Checked a) { return a.m_failed ? a : Checked(-a.m_value); }

    // `f` applied to the value, unless a step before has failed.
    template <typename Function> Checked then(Function f) const {
        return m_failed ? *this : Checked(f(m_value));
    }

  private:
    static Checked step(Checked a, Checked b, double result) {
        return a.m_failed || b.m_failed ? failure() : Checked(result);
    }
    double m_value;
    bool m_failed;
};

inline Checked squared(Checked x) {
    return x.then([](double v) { return std::pow(v, 2.0); });
}
inline Checked power(Checked x, double exponent) {
    return x.then([exponent](double v) { return std::pow(v, exponent); });
}
inline Checked sine(Checked x) {
    return x.then([](double v) { return std::sin(v); });
}
inline Checked cosine(Checked x) {
    return x.then([](double v) { return std::cos(v); });
}
inline Checked squareRoot(Checked x) {
    return x.then([](double v) { return std::sqrt(v); });
}
inline Checked arcTangent(Checked x) {
    return x.then([](double v) { return std::atan(v); });
}

} // namespace tolvaric
