// SPDX-FileCopyrightText: 2026 The tolvaric developers
// SPDX-License-Identifier: MIT

#pragma once
// The real message boxes and file dialogs.

#include "ui/Prompts.h"

#include <QCoreApplication>

#include <QPointer>
#include <QWidget>

class QFileDialog;

namespace tolvaric {

// The settings the data file dialog gets before every use: one filter, the
// working folder, no file name, ".dat" added to a bare name, no
// overwrite question, an existing file for opening.
void prepareDataFileDialog(QFileDialog& dialog, FileChoice choice);

class QtPrompts : public Prompts {
    Q_DECLARE_TR_FUNCTIONS(tolvaric::QtPrompts)

  public:
    QtPrompts();
    ~QtPrompts() override;

    using Prompts::inform;
    void inform(QWidget* parent, const QString& title, const QString& text,
                MessageIcon icon) override;
    bool proceedAfterDataError(QWidget* parent, const QString& detail) override;
    QString chooseDataFile(QWidget* parent, FileChoice choice) override;
    bool startHelpViewer() override;
    bool showOpenHelpViewer() override;
    std::optional<SeatTiming> askCamCard(QWidget* parent, SeatTiming current,
                                         const QLocale& locale) override;
    std::optional<ChoiceTexts> askSheetChoices(QWidget* parent, const ChoiceTexts& texts,
                                               const QLocale& locale) override;

    // The hidden window that hosts the file dialog, for the tests (ui/QtPrompts_p.h).
    friend QWidget* dialogHost(const QtPrompts& prompts);

  private:
    bool helpViewerOpen() const;

    QPointer<QWidget> m_host; // "cdlTolvaric", never shown
    qint64 m_viewer = 0;      // the process of the help viewer started last
};

} // namespace tolvaric
