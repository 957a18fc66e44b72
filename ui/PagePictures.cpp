// SPDX-FileCopyrightText: 2026 The tolvaric developers
// SPDX-License-Identifier: MIT

#include "ui/PagePictures.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextTable>

#include <cmath>

namespace tolvaric {

namespace {

// The size the document gave a picture before any zoom, kept on its format.
constexpr int givenWidth = QTextFormat::UserProperty + 1;
constexpr int givenHeight = QTextFormat::UserProperty + 2;

// Every picture character of the document, as a cursor that selects it.
template <typename Visit> void forEachPicture(QTextDocument& document, Visit visit) {
    QList<int> pictures;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            for (int i = 0; fragment.charFormat().isImageFormat() && i < fragment.length(); ++i) {
                pictures.append(fragment.position() + i);
            }
        }
    }
    // From the end, so that a change leaves the places before it as they were.
    for (auto it = pictures.rbegin(); it != pictures.rend(); ++it) {
        QTextCursor cursor(&document);
        cursor.setPosition(*it);
        cursor.setPosition(*it + 1, QTextCursor::KeepAnchor);
        visit(cursor, cursor.charFormat().toImageFormat());
    }
}

} // namespace

void frameMissingPictures(QTextDocument& document,
                          const std::function<bool(const QString& name)>& missing,
                          const QString& fallback) {
    forEachPicture(document, [&](QTextCursor& cursor, const QTextImageFormat& format) {
        if (!missing(format.name())) {
            return;
        }
        const QString alt = format.property(QTextFormat::ImageAltText).toString().simplified();
        cursor.removeSelectedText();
        QTextTableFormat frame;
        frame.setBorder(1);
        frame.setBorderStyle(QTextFrameFormat::BorderStyle_Solid);
        frame.setCellPadding(6);
        frame.setCellSpacing(0);
        QTextTable* table = cursor.insertTable(1, 1, frame);
        table->cellAt(0, 0).firstCursorPosition().insertText(alt.isEmpty() ? fallback : alt);
    });
}

void scalePictures(QTextDocument& document, double factor,
                   const std::function<QSize(const QString& name)>& natural) {
    forEachPicture(document, [&](QTextCursor& cursor, QTextImageFormat format) {
        if (!format.hasProperty(givenWidth)) {
            QSize given(int(std::lround(format.width())), int(std::lround(format.height())));
            const QSize own = natural(format.name());
            if (given.width() <= 0 && given.height() <= 0) {
                given = own;
            } else if (given.height() <= 0 && own.width() > 0) {
                given.setHeight(
                    int(std::lround(double(given.width()) * own.height() / own.width())));
            } else if (given.width() <= 0 && own.height() > 0) {
                given.setWidth(
                    int(std::lround(double(given.height()) * own.width() / own.height())));
            }
            format.setProperty(givenWidth, given.width());
            format.setProperty(givenHeight, given.height());
        }
        const int width = format.property(givenWidth).toInt();
        const int height = format.property(givenHeight).toInt();
        if (width <= 0 || height <= 0) {
            return;
        }
        format.setWidth(width * factor);
        format.setHeight(height * factor);
        cursor.setCharFormat(format);
    });
}

} // namespace tolvaric
