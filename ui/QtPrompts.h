#pragma once
// The real message boxes and file dialogs.

#include "Prompts.h"

namespace tolvaric {

class QtPrompts : public Prompts {
  public:
    using Prompts::inform;
    void inform(QWidget* parent, const QString& title, const QString& text,
                MessageIcon icon) override;
    bool proceedAfterDataError(QWidget* parent) override;
    QString chooseDataFile(QWidget* parent, FileChoice choice) override;
};

} // namespace tolvaric
