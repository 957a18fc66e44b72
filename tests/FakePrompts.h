// SPDX-FileCopyrightText: 2026 The tolvaric developers
// SPDX-License-Identifier: MIT

#pragma once
// Answers the window's message boxes and file dialogs in tests, and keeps
// what was shown.

#include "ui/Prompts.h"

#include <QList>
#include <QString>
#include <QStringList>

struct ShownMessage {
    QString title;
    QString text;
    tolvaric::MessageIcon icon;
};

class FakePrompts : public tolvaric::Prompts {
  public:
    using Prompts::inform;
    void inform(QWidget*, const QString& title, const QString& text,
                tolvaric::MessageIcon icon) override {
        messages.append({title, text, icon});
    }
    bool proceedAfterDataError(QWidget*, const QString& detail) override {
        ++dataErrorQuestions;
        dataErrorDetails.append(detail);
        return proceed;
    }
    QString chooseDataFile(QWidget*, tolvaric::FileChoice choice) override {
        choices.append(choice);
        return chosenFile;
    }

    bool startHelpViewer() override {
        ++helpViewersStarted;
        viewerOpen = helpViewerStarts;
        return helpViewerStarts;
    }

    std::optional<tolvaric::SeatTiming> askCamCard(QWidget*, tolvaric::SeatTiming current,
                                                   const QLocale&) override {
        camCardStart = current;
        return camCard;
    }
    std::optional<tolvaric::SeatTiming> camCard; // what the dialog answers
    tolvaric::SeatTiming camCardStart;

    std::optional<tolvaric::ChoiceTexts>
    askSheetChoices(QWidget*, const tolvaric::ChoiceTexts& texts, const QLocale&) override {
        ++sheetChoiceQuestions;
        return sheetChoices ? sheetChoices : texts;
    }

    QList<ShownMessage> messages;
    bool showOpenHelpViewer() override {
        viewersShownAgain += viewerOpen ? 1 : 0;
        return viewerOpen;
    }
    int viewersShownAgain = 0;
    int helpViewersStarted = 0;
    bool viewerOpen = false; // until the test closes it
    bool helpViewerStarts = true;
    int dataErrorQuestions = 0;
    QStringList dataErrorDetails;
    bool proceed = true;
    QList<tolvaric::FileChoice> choices;
    QString chosenFile; // empty: the user cancels
    int sheetChoiceQuestions = 0;
    std::optional<tolvaric::ChoiceTexts> sheetChoices; // none: as they were
};
