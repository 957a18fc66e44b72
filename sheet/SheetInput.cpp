// SPDX-FileCopyrightText: 2026 The tolvaric developers
// SPDX-License-Identifier: MIT

#include "sheet/SheetInput.h"

#include "resources/Version.h"

namespace tolvaric {

SheetHeader todaysHeader() {
    return {QDate::currentDate(), productName + QLatin1Char(' ') + productVersion, {}};
}

} // namespace tolvaric
