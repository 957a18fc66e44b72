// SPDX-FileCopyrightText: 2026 The tolvaric developers
// SPDX-License-Identifier: MIT

#pragma once
// The text of an engine data file: sixteen numbers in record order, one per
// line, CR LF after each. Plain C++ so that it can be fuzzed and tested alone.

#include "model/EngineData.h"

#include <string>
#include <string_view>

namespace tolvaric {

// The shortest form of each value that reads back bit for bit ("4", "3.75",
// "0.005", "1E+200"); zero of either sign is "0".
std::string engineFileText(const EngineData& engine);

// Reads sixteen items separated by commas or line ends (CR LF, a lone LF or a
// lone CR each end one line) in pieces as they come, so that a file of any
// length is read with a small buffer: blanks of any length, leading zeros of
// any length and digits past what a double can tell are all taken. A line
// that is empty or only blanks is an empty item; what follows the sixteenth
// item is never looked at.
class EngineTextReader {
  public:
    // The next bytes of the file. True once nothing more is needed: the
    // sixteenth item has ended or an item failed.
    bool feed(std::string_view bytes);
    // The file has ended: the record, or why it could not be read.
    bool finish(EngineData& result);
    // Why the read failed, for the user.
    const std::string& failure() const { return m_failure; }

  private:
    void takeCharacter(char c);
    void endItem();
    void fail(std::string why);

    EngineData m_engine;
    std::size_t m_count = 0;
    bool m_done = false;
    bool m_started = false;
    bool m_afterCarriageReturn = false;
    std::string m_failure;

    // The item being read, kept in a compact form: its significant digits
    // (at most enough for an exact double), the power of ten they stand at,
    // and the start of the text as typed for messages.
    struct Item {
        enum class State { Leading, Integer, Fraction, ExponentSign, Exponent, Trailing, Bad };
        State state = State::Leading;
        bool negative = false;
        bool anyDigit = false;
        bool signSeen = false;
        std::string digits; // significant digits, the first not zero
        bool droppedNonZero = false;
        long long scale = 0; // value = digits x 10^(scale + exponent)
        bool exponentNegative = false;
        bool exponentDigit = false;
        long long exponent = 0;
        std::string shown;   // the start of the item, for messages
        bool longer = false; // more than `shown`
        bool nonBlank = false;
    } m_item;
    void takeInto(Item& item, char c);
};

// The whole text at once: the record is set only when it reads.
struct EngineTextReading {
    std::string failure; // why it did not read; empty when it did
    bool ok() const { return failure.empty(); }
};
EngineTextReading parseEngineText(std::string_view text, EngineData& engine);

} // namespace tolvaric
