// SPDX-FileCopyrightText: 2026 The tolvaric developers
// SPDX-License-Identifier: MIT

#include "text/Translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QStringList>

#include <cstring>

namespace tolvaric {

QString Translations::ProgramTranslator::translate(const char* context, const char* sourceText,
                                                   const char* disambiguation, int n) const {
    // The sheet's rows are its own texts and the fields' captions.
    if (sheetInEnglish && (std::strcmp(context, "tolvaric::Sheet") == 0 ||
                           std::strcmp(context, "tolvaric::MainWindow") == 0)) {
        return {}; // the source text
    }
    return QTranslator::translate(context, sourceText, disambiguation, n);
}

Translations::Translations(SheetLanguage sheet) {
    m_program.sheetInEnglish = sheet == SheetLanguage::English;
    // QLocale() is the desktop's language as LANGUAGE, LC_ALL, LC_MESSAGES
    // and LANG give it; the translations are built into the program.
    const QLocale locale;
    if (!m_program.load(locale, QStringLiteral("tolvaric"), QStringLiteral("_"),
                        QStringLiteral(":/i18n"))) {
        return; // English throughout, Qt's texts included
    }
    QCoreApplication::installTranslator(&m_program);
    // Qt's own: beside the program on Windows, Qt's folder elsewhere.
    const QStringList folders{QCoreApplication::applicationDirPath() +
                                  QStringLiteral("/translations"),
                              QLibraryInfo::path(QLibraryInfo::TranslationsPath)};
    for (const QString& folder : folders) {
        if (m_qt.load(locale, QStringLiteral("qtbase"), QStringLiteral("_"), folder)) {
            QCoreApplication::installTranslator(&m_qt);
            return;
        }
    }
}

Translations::~Translations() {
    QCoreApplication::removeTranslator(&m_qt);
    QCoreApplication::removeTranslator(&m_program);
}

} // namespace tolvaric
