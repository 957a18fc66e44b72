// SPDX-FileCopyrightText: 2026 The tolvaric developers
// SPDX-License-Identifier: MIT

#include "ui/HtmlShape.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <string>
#include <vector>

namespace tolvaric {

namespace {

bool isSpace(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\f';
}

std::string lowerName(std::string_view name) {
    std::string lower;
    for (const char c : name) {
        lower += char(std::tolower(static_cast<unsigned char>(c)));
    }
    return lower;
}

// Elements that never hold others, and those whose end tag may be left out
// (their nesting is bounded by the elements around them).
bool countsForNesting(const std::string& name) {
    static constexpr std::array<std::string_view, 30> uncounted = {
        "area",  "base",     "br",    "col",    "embed", "hr",      "img",   "input",
        "link",  "meta",     "param", "source", "track", "wbr",     "p",     "li",
        "dt",    "dd",       "tr",    "td",     "th",    "option",  "thead", "tbody",
        "tfoot", "colgroup", "html",  "head",   "body",  "!doctype"};
    return std::find(uncounted.begin(), uncounted.end(), name) == uncounted.end();
}

// Elements that break a line: a word goes on across any other tag, as
// "x<b></b>x" is one word to the layout.
bool breaksWords(const std::string& name) {
    static constexpr std::array<std::string_view, 26> breaking = {
        "br", "p",   "div", "li",    "ul",    "ol",    "dl",         "dt",    "dd",
        "td", "th",  "tr",  "h1",    "h2",    "h3",    "h4",         "h5",    "h6",
        "hr", "pre", "img", "table", "thead", "tbody", "blockquote", "center"};
    return std::find(breaking.begin(), breaking.end(), name) != breaking.end();
}

// Where the tag that starts at `start` ends: at the first ">" outside a
// quoted attribute, as Qt's reader reads it.
std::size_t tagEnd(std::string_view html, std::size_t start) {
    char quote = 0;
    for (std::size_t i = start; i < html.size(); ++i) {
        const char c = html[i];
        if (quote != 0) {
            quote = c == quote ? 0 : quote;
        } else if (c == '"' || c == '\'') {
            // A quote opens a value only after "=", blanks between.
            std::size_t before = i;
            while (before > start && isSpace(html[before - 1])) {
                --before;
            }
            quote = before > start && html[before - 1] == '=' ? c : 0;
        } else if (c == '>') {
            return i;
        }
    }
    return std::string_view::npos;
}

} // namespace

HtmlShape measureHtml(std::string_view html) {
    HtmlShape shape;
    // The elements open, innermost last: an end tag closes the nearest of
    // its name and those inside it, and one of no open element is ignored.
    std::vector<std::string> open;
    int tables = 0;
    qsizetype word = 0;
    std::size_t i = 0;
    while (i < html.size()) {
        const char c = html[i];
        if (c != '<') {
            word = isSpace(c) ? 0 : word + 1;
            shape.longestWord = std::max(shape.longestWord, word);
            ++i;
            continue;
        }
        if (html.substr(i, 4) == "<!--") {
            const auto end = html.find("-->", i + 4);
            i = end == std::string_view::npos ? html.size() : end + 3;
            continue;
        }
        const auto end = tagEnd(html, i + 1);
        const auto tag =
            html.substr(i + 1, (end == std::string_view::npos ? html.size() : end) - i - 1);
        i = end == std::string_view::npos ? html.size() : end + 1;
        // Qt's reader skips blanks after "<" and after "</": so does this.
        std::size_t nameStart = 0;
        while (nameStart < tag.size() && isSpace(tag[nameStart])) {
            ++nameStart;
        }
        const bool closing = nameStart < tag.size() && tag[nameStart] == '/';
        if (closing) {
            ++nameStart;
            while (nameStart < tag.size() && isSpace(tag[nameStart])) {
                ++nameStart;
            }
        }
        auto nameEnd = nameStart;
        while (nameEnd < tag.size() && !isSpace(tag[nameEnd]) && tag[nameEnd] != '/') {
            ++nameEnd;
        }
        const auto name = lowerName(tag.substr(nameStart, nameEnd - nameStart));
        if (breaksWords(name)) {
            word = 0;
        }
        if (!closing && name == "img") {
            ++shape.pictures;
        }
        if (name == "table") {
            tables = closing ? std::max(0, tables - 1) : tables + 1;
        } else if (!closing && (name == "td" || name == "th")) {
            shape.tableWork += qint64(1) << std::clamp(tables - 1, 0, 40);
        }
        if (name.empty() || !countsForNesting(name) || (!closing && tag.back() == '/')) {
            continue;
        }
        if (!closing) {
            open.push_back(name);
            shape.depth = std::max(shape.depth, int(open.size()));
        } else if (const auto at = std::find(open.rbegin(), open.rend(), name); at != open.rend()) {
            open.erase(std::prev(at.base()), open.end());
        }
    }
    return shape;
}

} // namespace tolvaric
