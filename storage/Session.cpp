// SPDX-FileCopyrightText: 2026 The tolvaric developers
// SPDX-License-Identifier: MIT

#include "storage/Session.h"

#include <QCoreApplication>

namespace tolvaric {

QString defaultOwner() {
    return QCoreApplication::translate("tolvaric::Session", "Owner");
}

FileStatus Session::startUp() {
    OwnerReading owner;
    auto status = readEngineAndOwner(defaultDataFile, m_engine, owner);
    m_owner = owner.found ? owner.name : defaultOwner();
    m_ownerCutFromFile = owner.cut ? owner.name : QString();
    return remembered(defaultDataFile, status);
}

Kept Session::keepForNextStart() const {
    const bool ownerAsFound = !m_ownerCutFromFile.isEmpty() && m_owner == m_ownerCutFromFile;
    return {Write_Engine_File(defaultDataFile, m_engine),
            ownerAsFound ? FileStatus::success() : Write_Owner_File(ownerFile, m_owner)};
}

} // namespace tolvaric
