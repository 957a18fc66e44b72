// SPDX-FileCopyrightText: 2026 The tolvaric developers
// SPDX-License-Identifier: MIT

// main()'s arguments as text, each file's name as the system knows it.

#include "text/CommandLine.h"

#include "resources/Version.h"
#include "storage/FileName.h"

#ifdef _WIN32
#include <windows.h>

#include <shellapi.h>
#endif

namespace tolvaric {

QStringList argumentList(int argc, char** argv) {
    QStringList arguments;
#ifdef _WIN32
    // The wide command line carries every name; argv has the code page's.
    (void)argc;
    (void)argv;
    int count = 0;
    if (LPWSTR* wide = CommandLineToArgvW(GetCommandLineW(), &count)) {
        for (int i = 0; i < count; ++i) {
            arguments << QString::fromWCharArray(wide[i]);
        }
        LocalFree(wide);
    }
#else
    // A file's name that is no text in the locale keeps its bytes.
    for (int i = 0; i < argc; ++i) {
        arguments << nameFromBytes(QByteArray(argv[i]));
    }
#endif
    if (arguments.isEmpty()) {
        arguments << productName;
    }
    return arguments;
}

} // namespace tolvaric
