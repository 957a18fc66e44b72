// SPDX-FileCopyrightText: 2026 The tolvaric developers
// SPDX-License-Identifier: MIT

#pragma once
// The run's one engine record and the owner's name, held here and nowhere
// else, and what start-up, the calculations, Save This, Fetch Old File and
// Quit do to them and to the files, without a window. The window tells the
// session what was typed, asks it what to show, and shows the outcomes.
// The default files live in the working directory.

#include "model/CalculationCommand.h"
#include "model/EngineData.h"
#include "storage/DataFiles.h"

#include <QString>

namespace tolvaric {

inline const QString logoFile = QStringLiteral("mine.bmp");
// The owner's name until one is typed, in the desktop's language; Quit
// keeps it as shown.
QString defaultOwner();

class Session {
  public:
    // All zeros at the start of a run, and never reset.
    const EngineData& engine() const { return m_engine; }
    // A value typed into a field's box, once it reads.
    void store(double EngineData::*field, double value) { m_engine.*field = value; }
    // The record as a whole, as a test sets it up.
    void setEngine(const EngineData& engine) { m_engine = engine; }
    // A calculation button: its result goes into the record on success.
    CalculationResult calculate(const CalculationCommand& command) {
        return runCalculation(command, m_engine);
    }

    // Reads the default data file into the record (all or nothing) and the
    // owner's name ("Owner" when the owner file can't be read). A failure is
    // the data error, for the question.
    FileStatus startUp();
    // Yes on the start-up question: the record takes the values the boxes
    // show then, the initial ones.
    void proceedWithInitialValues() { m_engine = initialEngineData(); }

    FileStatus save(const QString& path) {
        return remembered(path, Write_Engine_File(path, m_engine));
    }
    // On failure the record is as it was.
    FileStatus fetch(const QString& path) {
        return remembered(path, Read_Engine_File(path, m_engine));
    }
    // The data file the record was last read from or saved to, the default
    // one at start-up among them; empty before any.
    const QString& dataFile() const { return m_dataFile; }
    // Writes the record and the owner's name; both are attempted.
    Kept keepForNextStart() const;

    // At most ownerTextLimit characters. An owner file holding more shows
    // its start, and stays as it is unless the name is changed.
    const QString& owner() const { return m_owner; }
    void setOwner(const QString& owner) { m_owner = owner; }

  private:
    FileStatus remembered(const QString& path, FileStatus status) {
        if (status.ok()) {
            m_dataFile = path;
        }
        return status;
    }

    EngineData m_engine;
    QString m_dataFile;
    QString m_owner = defaultOwner();
    QString m_ownerCutFromFile; // the start shown of an owner file over the limit
};

} // namespace tolvaric
