// SPDX-FileCopyrightText: 2026 The tolvaric developers
// SPDX-License-Identifier: MIT

#include "storage/EngineText.h"

#include "model/DecimalReader.h"
#include "storage/ByteOrderMark.h"

#include <algorithm>
#include <charconv>

namespace tolvaric {

namespace {

// More significant digits than a double can tell apart: past these only
// whether any of the rest is not zero matters for rounding.
constexpr std::size_t keptDigits = 800;
// An exponent far beyond any double's range is held at this size.
constexpr long long exponentCap = 1'000'000'000'000;
constexpr std::size_t shownCharacters = 40;

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}
bool isDigit(char c) {
    return c >= '0' && c <= '9';
}
bool isSign(char c) {
    return c == '-' || c == '+';
}

} // namespace

std::string engineFileText(const EngineData& engine) {
    std::string text;
    for (const auto& field : engineFields) {
        // Zero is "0" whatever its sign.
        const double value = engine.*field.member == 0 ? 0.0 : engine.*field.member;
        char buffer[64];
        const auto written = std::to_chars(buffer, buffer + sizeof buffer, value);
        for (char* c = buffer; c != written.ptr; ++c) {
            text += *c == 'e' ? 'E' : *c;
        }
        text += "\r\n";
    }
    return text;
}

void EngineTextReader::takeInto(Item& item, char c) {
    using State = Item::State;
    if (!isBlank(c)) {
        item.nonBlank = true;
    }
    if (item.nonBlank) {
        if (item.shown.size() < shownCharacters) {
            item.shown += c;
        } else {
            item.longer = true;
        }
    }
    auto integerDigit = [&item](char d) {
        item.anyDigit = true;
        if (item.digits.empty() && d == '0') {
            return; // a leading zero
        }
        if (item.digits.size() < keptDigits) {
            item.digits += d;
        } else {
            ++item.scale;
            item.droppedNonZero = item.droppedNonZero || d != '0';
        }
    };
    auto fractionDigit = [&item](char d) {
        item.anyDigit = true;
        if (item.digits.empty() && d == '0') {
            --item.scale;
        } else if (item.digits.size() < keptDigits) {
            item.digits += d;
            --item.scale;
        } else {
            item.droppedNonZero = item.droppedNonZero || d != '0';
        }
    };
    auto exponentDigit = [&item](char d) {
        item.exponentDigit = true;
        item.exponent = std::min(item.exponent * 10 + (d - '0'), exponentCap);
    };
    switch (item.state) {
    case State::Leading:
        if (isBlank(c)) {
        } else if (isSign(c)) {
            item.negative = c == '-';
            item.state = State::Integer;
        } else if (isDigit(c)) {
            item.state = State::Integer;
            integerDigit(c);
        } else {
            item.state = c == '.' ? State::Fraction : State::Bad;
        }
        return;
    case State::Integer:
    case State::Fraction:
        if (isDigit(c)) {
            item.state == State::Integer ? integerDigit(c) : fractionDigit(c);
        } else if (c == '.' && item.state == State::Integer) {
            item.state = State::Fraction;
        } else if ((c == 'e' || c == 'E') && item.anyDigit) {
            item.state = State::ExponentSign;
        } else {
            item.state = isBlank(c) ? State::Trailing : State::Bad;
        }
        return;
    case State::ExponentSign:
        if (isSign(c)) {
            item.exponentNegative = c == '-';
            item.state = State::Exponent;
        } else if (isDigit(c)) {
            item.state = State::Exponent;
            exponentDigit(c);
        } else {
            item.state = State::Bad;
        }
        return;
    case State::Exponent:
        if (isDigit(c)) {
            exponentDigit(c);
        } else {
            item.state = isBlank(c) && item.exponentDigit ? State::Trailing : State::Bad;
        }
        return;
    case State::Trailing:
        if (!isBlank(c)) {
            item.state = State::Bad;
        }
        return;
    case State::Bad:
        return;
    }
}

void EngineTextReader::fail(std::string why) {
    m_failure = std::move(why);
    m_done = true;
}

void EngineTextReader::endItem() {
    using State = Item::State;
    Item item = std::move(m_item);
    m_item = Item{};
    const auto number = "item " + std::to_string(m_count + 1);
    const auto quoted = "\"" + item.shown + (item.longer ? "...\"" : "\"");
    const bool complete = item.anyDigit && item.state != State::Bad &&
                          item.state != State::ExponentSign &&
                          (item.state != State::Exponent || item.exponentDigit);
    if (!item.nonBlank) {
        return fail(number + " is empty");
    }
    if (!complete) {
        return fail(number + " is not a number: " + quoted);
    }
    double value = 0;
    if (!item.digits.empty()) {
        // The compact form reads as the item would: a dropped digit that is
        // not zero stands as a final 1, enough to round the right way.
        std::string text = item.digits;
        long long power = item.scale + (item.exponentNegative ? -item.exponent : item.exponent);
        if (item.droppedNonZero) {
            text += '1';
            --power;
        }
        text += 'e' + std::to_string(std::clamp(power, -exponentCap, exponentCap));
        const auto reading = readDecimal(text);
        if (reading.kind == DecimalReading::Kind::TooLarge) {
            return fail(number + " is too large for a number: " + quoted);
        }
        if (reading.kind != DecimalReading::Kind::Number) {
            return fail(number + " is not a number: " + quoted);
        }
        value = reading.value;
    }
    m_engine.*engineFields[m_count].member = item.negative ? -value : value;
    if (++m_count == fieldCount) {
        m_done = true;
    }
}

void EngineTextReader::takeCharacter(char c) {
    const bool afterCarriageReturn = m_afterCarriageReturn;
    m_afterCarriageReturn = c == '\r';
    if (c == '\n' && afterCarriageReturn) {
        return; // the second half of CR LF
    }
    if (c == ',' || c == '\r' || c == '\n') {
        endItem();
    } else {
        takeInto(m_item, c);
    }
}

bool EngineTextReader::feed(std::string_view bytes) {
    if (!m_started) {
        m_started = true;
        bytes = withoutByteOrderMark(bytes);
    }
    for (std::size_t i = 0; i < bytes.size() && !m_done; ++i) {
        takeCharacter(bytes[i]);
    }
    return m_done;
}

bool EngineTextReader::finish(EngineData& result) {
    if (!m_done) {
        if (m_item.nonBlank) {
            endItem(); // the last item needs no line end
        }
        if (!m_done) {
            fail("the file ends after " + std::to_string(m_count) + " of 16 values");
        }
    }
    if (!m_failure.empty()) {
        return false;
    }
    result = m_engine;
    return true;
}

EngineTextReading parseEngineText(std::string_view text, EngineData& engine) {
    EngineTextReader reader;
    reader.feed(text);
    if (reader.finish(engine)) {
        return {};
    }
    return {reader.failure()};
}

} // namespace tolvaric
