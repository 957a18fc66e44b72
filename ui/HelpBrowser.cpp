// SPDX-FileCopyrightText: 2026 The tolvaric developers
// SPDX-License-Identifier: MIT

#include "ui/HelpBrowser.h"

#include "storage/RegularFile.h"
#include "text/Messages.h"
#include "ui/RasterPicture.h"

#include <QBuffer>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QImageReader>

#include <algorithm>
#include <array>
#include <cctype>
#include <string_view>
#include <vector>

namespace tolvaric {

namespace {

// Each picture of the document, and the document itself: far more than any
// help page needs, and little enough to lay out in a few seconds.
constexpr qint64 helpResourceSizeLimit = 16 * 1024 * 1024;
constexpr qint64 helpDocumentSizeLimit = 2 * 1024 * 1024;
constexpr int helpNestingLimit = 8;
constexpr qsizetype helpWordLimit = 200;
constexpr qint64 helpTableLimit = 50'000;
constexpr qint64 helpPictureLimit = 1000; // pictures placed, each laid out and looked up
constexpr qint64 helpPictureBudget = 64 * 1024 * 1024; // decoded bytes per document

// How deep the elements of an HTML text nest and its longest word, as far as
// laying it out is concerned.
struct HtmlShape {
    int depth = 0;
    qsizetype longestWord = 0;
    // Laying out a table cell costs far more than text, and about twice as
    // much with each table around it: each cell counts 2^(tables around - 1).
    qint64 tableWork = 0;
    qint64 pictures = 0;
};

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

} // namespace

HelpBrowser::HelpBrowser(QWidget* parent) : QTextBrowser(parent) {
    setObjectName(QStringLiteral("HelpBrowser"));
    setOpenLinks(false);
    setOpenExternalLinks(false);
    connect(this, &QTextBrowser::anchorClicked, this, &HelpBrowser::follow);
    m_normalPoints = font().pointSizeF();
}

void HelpBrowser::showDocument(const QString& path) {
    m_folder = QFileInfo(path).canonicalPath();
    m_pictures.clear();
    m_pictureBytes = 0;
    setSource(QUrl::fromLocalFile(path), QTextDocument::HtmlResource);
}

bool HelpBrowser::insideDocumentFolder(const QString& path) const {
    const QString canonical = QFileInfo(path).canonicalFilePath();
    return !m_folder.isEmpty() && !canonical.isEmpty() &&
           canonical.startsWith(m_folder + QLatin1Char('/'));
}

QImage HelpBrowser::picture(const QString& path) {
    // The same file under another query is the same picture.
    if (const auto known = m_pictures.constFind(path); known != m_pictures.cend()) {
        return *known;
    }
    QImage decoded;
    QByteArray bytes;
    if (readWholeFile(path, helpResourceSizeLimit, bytes).ok()) {
        QBuffer buffer(&bytes);
        QImageReader reader(&buffer);
        const QSize size = reader.size();
        const qint64 needed =
            readsRaster(reader) && size.isValid() ? qint64(size.width()) * size.height() * 4 : -1;
        if (needed >= 0 && m_pictureBytes + needed <= helpPictureBudget) {
            decoded = reader.read();
        }
    }
    if (decoded.isNull()) {
        decoded = QImage(1, 1, QImage::Format_ARGB32);
        decoded.fill(Qt::transparent); // left out of the page
    }
    m_pictureBytes += decoded.sizeInBytes();
    m_pictures.insert(path, decoded);
    return decoded;
}

QVariant HelpBrowser::loadResource(int type, const QUrl& name) {
    // Never a null answer, nor a picture that does not decode: the document
    // would then open the file by itself, pipe or device alike.
    const QUrl url = name.isRelative() ? source().resolved(name) : name;
    const QString path = url.isLocalFile() ? url.toLocalFile() : QString();
    if (type == QTextDocument::ImageResource) {
        return path.isEmpty() ? picture(QString()) : picture(QFileInfo(path).absoluteFilePath());
    }
    if (path.isEmpty()) {
        return QByteArray("");
    }
    QByteArray bytes;
    const auto status = readWholeFile(
        path, type == QTextDocument::HtmlResource ? helpDocumentSizeLimit : helpResourceSizeLimit,
        bytes);
    if (!status.ok()) {
        const bool gone =
            type == QTextDocument::HtmlResource && !m_folder.isEmpty() && !QFileInfo::exists(path);
        return (gone ? helpGonePage(path) : helpUnreadablePage(path, reasonText(status))).toUtf8();
    }
    if (type == QTextDocument::HtmlResource) {
        // Refused before the layout starts, which would take minutes or more.
        const auto shape = measureHtml({bytes.constData(), std::size_t(bytes.size())});
        if (shape.depth > helpNestingLimit) {
            return helpUnreadablePage(path, helpTooDeepText(shape.depth, helpNestingLimit))
                .toUtf8();
        }
        if (shape.longestWord > helpWordLimit) {
            return helpUnreadablePage(path, helpWordTooLongText(shape.longestWord, helpWordLimit))
                .toUtf8();
        }
        if (shape.tableWork > helpTableLimit) {
            return helpUnreadablePage(path, helpTooManyTablesText()).toUtf8();
        }
        if (shape.pictures > helpPictureLimit) {
            return helpUnreadablePage(path, helpTooManyPicturesText(helpPictureLimit)).toUtf8();
        }
    }
    return bytes;
}

void HelpBrowser::follow(const QUrl& link) {
    const QString scheme = link.scheme();
    if (scheme == QLatin1String("http") || scheme == QLatin1String("https") ||
        scheme == QLatin1String("mailto")) {
        QDesktopServices::openUrl(link);
        return;
    }
    if (!link.isRelative() && !link.isLocalFile()) {
        return;
    }
    const QUrl target = source().resolved(link);
    const QString path = target.toLocalFile();
    if (target.adjusted(QUrl::RemoveFragment) == source().adjusted(QUrl::RemoveFragment) ||
        insideDocumentFolder(path)) {
        setSource(target);
    } else {
        setHtml(helpLinkRefusedPage(path));
    }
}

bool HelpBrowser::findNext(const QString& text) {
    if (text.isEmpty()) {
        return false;
    }
    if (find(text)) {
        return true;
    }
    QTextCursor top(document());
    setTextCursor(top);
    return find(text);
}

void HelpBrowser::zoomTo(int steps) {
    constexpr int pointsPerStep = 2;
    // From about 6 points, still readable, to about three times the normal size.
    const double normal = m_normalPoints > 0 ? m_normalPoints : 10;
    const int smallest = -int((normal - 6) / pointsPerStep);
    const int largest = int(normal * 2 / pointsPerStep);
    steps = std::clamp(steps, std::min(smallest, 0), largest);
    if (steps > m_zoomSteps) {
        zoomIn((steps - m_zoomSteps) * pointsPerStep);
    } else if (steps < m_zoomSteps) {
        zoomOut((m_zoomSteps - steps) * pointsPerStep);
    }
    m_zoomSteps = steps;
}

} // namespace tolvaric
