// SPDX-FileCopyrightText: 2026 The tolvaric developers
// SPDX-License-Identifier: MIT

// tolvaric.com, beside tolvaric.exe: what a console runs when "tolvaric" is
// typed there (Windows tries .com before .exe). tolvaric.exe is a windowed
// program, to which a console neither hands its text nor waits for; this
// console program starts it with the console's standard handles and the
// same arguments, waits for it, and ends with its exit status, so that
// --sheet, --help and --version print where they were typed and
// %errorlevel% is theirs. The Start-menu shortcuts start tolvaric.exe
// itself, and open no console.
// It uses the system's calls alone, no C++ library, so that it stays a
// few kilobytes in the installer.
#include <windows.h>

#include <cwchar>

namespace {

// The command line after the program's own name, as the console passed it.
const wchar_t* argumentsAfterName(const wchar_t* line) {
    if (*line == L'"') {
        line = std::wcschr(line + 1, L'"');
        line = line ? line + 1 : L"";
    } else {
        while (*line != L'\0' && *line != L' ' && *line != L'\t') {
            ++line;
        }
    }
    return line;
}

} // namespace

int wmain() {
    static wchar_t program[32768];
    const DWORD length = GetModuleFileNameW(nullptr, program, 32768);
    if (length < 4 || length >= 32768) {
        return 2;
    }
    lstrcpyW(program + length - 4, L".exe"); // tolvaric.com -> tolvaric.exe
    const wchar_t* arguments = argumentsAfterName(GetCommandLineW());
    const auto size = std::size_t(lstrlenW(program)) + std::size_t(lstrlenW(arguments)) + 3;
    auto* line = static_cast<wchar_t*>(HeapAlloc(GetProcessHeap(), 0, size * sizeof(wchar_t)));
    if (line == nullptr) {
        return 2;
    }
    lstrcpyW(line, L"\"");
    lstrcatW(line, program);
    lstrcatW(line, L"\"");
    lstrcatW(line, arguments);

    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    startup.hStdOutput = GetStdHandle(STD_OUTPUT_HANDLE);
    startup.hStdError = GetStdHandle(STD_ERROR_HANDLE);
    // tolvaric.exe writes UTF-8: the console shows it as such while it runs
    // ("°", accented file names), whatever its code page, which is put back
    // after. Ctrl+C ends tolvaric.exe; this program waits to put it back.
    const UINT codePage = GetConsoleOutputCP();
    if (codePage != 0) {
        SetConsoleOutputCP(CP_UTF8);
    }
    SetConsoleCtrlHandler(nullptr, TRUE);
    PROCESS_INFORMATION started{};
    if (!CreateProcessW(program, line, nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup,
                        &started)) {
        DWORD written = 0;
        const wchar_t* said[] = {L"tolvaric: could not start ", program, L"\n"};
        for (const wchar_t* part : said) {
            WriteConsoleW(startup.hStdError, part, DWORD(lstrlenW(part)), &written, nullptr);
        }
        if (codePage != 0) {
            SetConsoleOutputCP(codePage);
        }
        return 2;
    }
    WaitForSingleObject(started.hProcess, INFINITE);
    if (codePage != 0) {
        SetConsoleOutputCP(codePage);
    }
    DWORD status = 2;
    GetExitCodeProcess(started.hProcess, &status);
    CloseHandle(started.hThread);
    CloseHandle(started.hProcess);
    return int(status);
}
