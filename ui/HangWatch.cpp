// SPDX-FileCopyrightText: 2026 The tolvaric developers
// SPDX-License-Identifier: MIT

#include "ui/HangWatch.h"

#include <QTimer>

namespace tolvaric {

namespace {

std::chrono::steady_clock::rep now() {
    return std::chrono::steady_clock::now().time_since_epoch().count();
}

} // namespace

HangWatch::HangWatch(std::chrono::milliseconds limit, std::function<void()> onHang)
    : m_limit(limit), m_onHang(std::move(onHang)), m_lastBeat(now()) {
    auto* beat = new QTimer(&m_beat);
    QObject::connect(beat, &QTimer::timeout, &m_beat, [this] { m_lastBeat = now(); });
    beat->start(std::max<int>(1, int(limit.count() / 4)));
    m_thread = std::thread([this] { watch(); });
}

HangWatch::~HangWatch() {
    {
        const std::lock_guard lock(m_mutex);
        m_stopping = true;
    }
    m_stop.notify_all();
    m_thread.join();
}

void HangWatch::watch() {
    std::unique_lock lock(m_mutex);
    while (!m_stop.wait_for(lock, m_limit / 4, [this] { return m_stopping; })) {
        const auto silent = std::chrono::steady_clock::duration(now() - m_lastBeat);
        if (silent > m_limit) {
            m_onHang();
            return;
        }
    }
}

} // namespace tolvaric
