// SPDX-FileCopyrightText: 2026 The tolvaric developers
// SPDX-License-Identifier: MIT

#include "storage/Session.h"

namespace tolvaric {

FileStatus Session::startUp() {
    const auto status = Read_Engine_File(defaultDataFile, m_engine);
    QString owner;
    m_owner = Read_Owner_File(ownerFile, owner).ok() ? owner : defaultOwner;
    m_ownerCutFromFile.clear();
    if (m_owner.size() > ownerTextLimit) {
        m_owner = ownerWithinLimit(m_owner);
        m_ownerCutFromFile = m_owner;
    }
    return status;
}

Session::Kept Session::keepForNextStart() const {
    const bool ownerAsFound = !m_ownerCutFromFile.isEmpty() && m_owner == m_ownerCutFromFile;
    return {Write_Engine_File(defaultDataFile, m_engine),
            ownerAsFound ? FileStatus::success() : Write_Owner_File(ownerFile, m_owner)};
}

} // namespace tolvaric
