// SPDX-FileCopyrightText: 2026 The tolvaric developers
// SPDX-License-Identifier: MIT

#include "storage/FileName.h"

#include <QDir>
#include <QFile>

#include <algorithm>

namespace tolvaric {

namespace {

constexpr char16_t firstKeptByte = 0xDC80;
constexpr char16_t lastKeptByte = 0xDCFF;

bool keptByte(QChar c) {
    return c.unicode() >= firstKeptByte && c.unicode() <= lastKeptByte;
}

// The length of the well-formed UTF-8 character at the start of `bytes`, or
// 0 when it is none.
qsizetype characterLength(QByteArrayView bytes) {
    const auto byte = [&bytes](qsizetype i) { return static_cast<unsigned char>(bytes[i]); };
    const unsigned char lead = byte(0);
    qsizetype length = 0;
    char32_t lowest = 0;
    if (lead < 0x80) {
        return 1;
    }
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
        lowest = 0x80;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        lowest = 0x800;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        lowest = 0x10000;
    } else {
        return 0;
    }
    if (bytes.size() < length) {
        return 0;
    }
    char32_t code = lead & (0x7F >> length);
    for (qsizetype i = 1; i < length; ++i) {
        if ((byte(i) & 0xC0) != 0x80) {
            return 0;
        }
        code = (code << 6) | (byte(i) & 0x3F);
    }
    const bool surrogate = code >= 0xD800 && code <= 0xDFFF;
    return code < lowest || code > 0x10FFFF || surrogate ? 0 : length;
}

} // namespace

QString nameFromBytes(const QByteArray& bytes) {
    QString text = QFile::decodeName(bytes);
    if (QFile::encodeName(text) == bytes) {
        return text;
    }
    text.clear();
    QByteArrayView rest(bytes);
    while (!rest.isEmpty()) {
        if (const qsizetype length = characterLength(rest); length > 0) {
            text += QString::fromUtf8(rest.first(length));
            rest = rest.sliced(length);
        } else {
            text += QChar(char16_t(0xDC00 + static_cast<unsigned char>(rest.front())));
            rest = rest.sliced(1);
        }
    }
    return text;
}

QByteArray nameBytes(const QString& name) {
    if (std::none_of(name.cbegin(), name.cend(), keptByte)) {
        return QFile::encodeName(name);
    }
    QByteArray bytes;
    qsizetype start = 0;
    for (qsizetype i = 0; i <= name.size(); ++i) {
        if (i == name.size() || keptByte(name.at(i))) {
            bytes += QFile::encodeName(name.mid(start, i - start));
            if (i < name.size()) {
                bytes += char(name.at(i).unicode() - 0xDC00);
            }
            start = i + 1;
        }
    }
    return bytes;
}

QString shownPath(const QString& path) {
    QString shown = QDir::toNativeSeparators(path);
    for (QChar& c : shown) {
        if (keptByte(c)) {
            c = QChar::ReplacementCharacter;
        }
    }
    return shown;
}

} // namespace tolvaric
