// SPDX-FileCopyrightText: 2026 The tolvaric developers
// SPDX-License-Identifier: MIT

#pragma once
// The files the program keeps in its working directory between runs: the
// default data file and the owner file, read at start-up and written by Quit.

#include "DataFiles.h"

#include <QString>
#include <QStringList>

namespace tolvaric {

inline const QString defaultDataFile = QStringLiteral("tolvaric.dat");
inline const QString ownerFile = QStringLiteral("owner");
inline const QString logoFile = QStringLiteral("mine.bmp");
inline const QString defaultOwner = QStringLiteral("Owner");

// The owner's name from the owner file, or "Owner" when it can't be read.
QString readOwnerOrDefault(const QString& path = ownerFile);

// Writes the record and the owner's name; both are attempted. Gives one line
// per file that could not be written, naming it and saying why.
QStringList writeDefaultFiles(const EngineData& engine, const QString& owner,
                              const QString& dataPath = defaultDataFile,
                              const QString& ownerPath = ownerFile);

} // namespace tolvaric
