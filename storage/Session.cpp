// SPDX-FileCopyrightText: 2026 The tolvaric developers
// SPDX-License-Identifier: MIT

#include "storage/Session.h"

#include <QStringList>

namespace tolvaric {

FileStatus Session::startUp() {
    const auto status = Read_Engine_File(defaultDataFile, m_engine);
    QString owner;
    m_owner = Read_Owner_File(ownerFile, owner).ok ? owner : defaultOwner;
    return status;
}

FileStatus Session::keepForNextStart() const {
    QStringList problems;
    if (const auto status = Write_Engine_File(defaultDataFile, m_engine); !status.ok) {
        problems.append(QStringLiteral("\"%1\": %2").arg(defaultDataFile, status.reason));
    }
    if (const auto status = Write_Owner_File(ownerFile, m_owner); !status.ok) {
        problems.append(QStringLiteral("\"%1\": %2").arg(ownerFile, status.reason));
    }
    return problems.isEmpty() ? FileStatus::success()
                              : FileStatus::failure(problems.join(QLatin1Char('\n')));
}

} // namespace tolvaric
