// SPDX-FileCopyrightText: 2026 The tolvaric developers
// SPDX-License-Identifier: MIT

#include "DefaultFiles.h"

namespace tolvaric {

QString readOwnerOrDefault(const QString& path) {
    QString owner;
    return Read_Owner_File(path, owner).ok ? owner : defaultOwner;
}

QStringList writeDefaultFiles(const EngineData& engine, const QString& owner,
                              const QString& dataPath, const QString& ownerPath) {
    QStringList problems;
    if (const auto status = Write_Engine_File(dataPath, engine); !status.ok) {
        problems.append(QStringLiteral("\"%1\": %2").arg(dataPath, status.reason));
    }
    if (const auto status = Write_Owner_File(ownerPath, owner); !status.ok) {
        problems.append(QStringLiteral("\"%1\": %2").arg(ownerPath, status.reason));
    }
    return problems;
}

} // namespace tolvaric
