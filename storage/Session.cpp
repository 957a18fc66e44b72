// SPDX-FileCopyrightText: 2026 The tolvaric developers
// SPDX-License-Identifier: MIT

#include "storage/Session.h"

namespace tolvaric {

FileStatus Session::startUp() {
    const auto status = Read_Engine_File(defaultDataFile, m_engine);
    QString owner;
    m_owner = Read_Owner_File(ownerFile, owner).ok() ? owner : defaultOwner;
    return status;
}

Session::Kept Session::keepForNextStart() const {
    return {Write_Engine_File(defaultDataFile, m_engine), Write_Owner_File(ownerFile, m_owner)};
}

} // namespace tolvaric
