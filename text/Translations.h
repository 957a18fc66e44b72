// SPDX-FileCopyrightText: 2026 The tolvaric developers
// SPDX-License-Identifier: MIT

#pragma once
// The program's texts in the desktop's language, and Qt's own texts (its
// dialogs' buttons, the command line parser's errors) in the same one.
// English is the program's source: a language with no translation, C among
// them, gets the English texts unchanged.

#include <QTranslator>

namespace tolvaric {

// What the sheet's own texts are in. A CSV file is read by programs, which
// look for its English column names whatever the desktop's language.
enum class SheetLanguage { Desktop, English };

class Translations {
  public:
    // Installs them in the application object, which must exist; they are
    // removed again when this ends.
    explicit Translations(SheetLanguage sheet = SheetLanguage::Desktop);
    ~Translations();
    Translations(const Translations&) = delete;
    Translations& operator=(const Translations&) = delete;

  private:
    class ProgramTranslator : public QTranslator {
      public:
        bool sheetInEnglish = false;
        QString translate(const char* context, const char* sourceText,
                          const char* disambiguation = nullptr, int n = -1) const override;
    };
    ProgramTranslator m_program;
    QTranslator m_qt;
};

} // namespace tolvaric
