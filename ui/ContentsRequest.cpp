// SPDX-FileCopyrightText: 2026 The tolvaric developers
// SPDX-License-Identifier: MIT

#include "ui/ContentsRequest.h"

#ifdef _WIN32
#include <QWinEventNotifier>

#include <windows.h>
#else
#include <QFile>
#include <QSocketNotifier>

#include <csignal>
#include <fcntl.h>
#include <unistd.h>
#endif

namespace tolvaric {

#ifdef _WIN32

namespace {

std::wstring eventName(qint64 process) {
    return L"Local\\tolvaric-help-contents-" + std::to_wstring(process);
}

} // namespace

struct ContentsRequests::Channel {
    HANDLE event = nullptr;
    std::unique_ptr<QWinEventNotifier> notifier;
};

ContentsRequests::ContentsRequests(QObject* parent)
    : QObject(parent), m_channel(std::make_unique<Channel>()) {
    m_channel->event =
        CreateEventW(nullptr, FALSE, FALSE, eventName(qint64(GetCurrentProcessId())).c_str());
    if (m_channel->event != nullptr) {
        m_channel->notifier = std::make_unique<QWinEventNotifier>(m_channel->event);
        connect(m_channel->notifier.get(), &QWinEventNotifier::activated, this,
                &ContentsRequests::requested);
    }
}

ContentsRequests::~ContentsRequests() {
    m_channel->notifier.reset();
    if (m_channel->event != nullptr) {
        CloseHandle(m_channel->event);
    }
}

bool askForContents(qint64 viewer) {
    const HANDLE event = OpenEventW(EVENT_MODIFY_STATE, FALSE, eventName(viewer).c_str());
    if (event == nullptr) {
        return false;
    }
    // Windows lets a process take the foreground only when the one in front
    // allows it; the window is in front, as its Help was just clicked.
    AllowSetForegroundWindow(DWORD(viewer));
    const bool sent = SetEvent(event) != 0;
    CloseHandle(event);
    return sent;
}

#else

namespace {

// The signal handler can reach nothing but a descriptor: the write end of
// the viewer's one pipe, set once before the handler is installed.
int requestWriteEnd = -1; // NOLINT(cppcoreguidelines-avoid-non-const-global-variables)

void onRequest(int) {
    const char byte = 1;
    [[maybe_unused]] const auto written = write(requestWriteEnd, &byte, 1);
}

// Whether `process` has a handler for SIGUSR1: until it has, the signal
// would end it.
bool catchesRequests(qint64 process) {
    QFile status(QStringLiteral("/proc/%1/status").arg(process));
    if (!status.open(QIODevice::ReadOnly)) {
        return false;
    }
    for (QByteArray line = status.readLine(); !line.isEmpty(); line = status.readLine()) {
        if (line.startsWith("SigCgt:")) {
            bool ok = false;
            const qulonglong caught = line.mid(7).trimmed().toULongLong(&ok, 16);
            return ok && (caught >> (SIGUSR1 - 1) & 1U) != 0;
        }
    }
    return false;
}

} // namespace

struct ContentsRequests::Channel {
    int ends[2] = {-1, -1};
    std::unique_ptr<QSocketNotifier> notifier;
};

ContentsRequests::ContentsRequests(QObject* parent)
    : QObject(parent), m_channel(std::make_unique<Channel>()) {
    if (pipe2(m_channel->ends, O_CLOEXEC | O_NONBLOCK) != 0) {
        return; // Help then still works; it only cannot bring this viewer back
    }
    requestWriteEnd = m_channel->ends[1];
    m_channel->notifier =
        std::make_unique<QSocketNotifier>(m_channel->ends[0], QSocketNotifier::Read);
    connect(m_channel->notifier.get(), &QSocketNotifier::activated, this, [this] {
        char bytes[16];
        while (read(m_channel->ends[0], bytes, sizeof bytes) > 0) {
        }
        emit requested();
    });
    struct sigaction action = {};
    action.sa_handler = onRequest;
    action.sa_flags = SA_RESTART;
    sigemptyset(&action.sa_mask);
    sigaction(SIGUSR1, &action, nullptr);
}

ContentsRequests::~ContentsRequests() {
    if (m_channel->ends[0] < 0) {
        return;
    }
    signal(SIGUSR1, SIG_IGN);
    requestWriteEnd = -1;
    m_channel->notifier.reset();
    close(m_channel->ends[0]);
    close(m_channel->ends[1]);
}

bool askForContents(qint64 viewer) {
    return viewer > 0 && catchesRequests(viewer) && kill(pid_t(viewer), SIGUSR1) == 0;
}

#endif

} // namespace tolvaric
