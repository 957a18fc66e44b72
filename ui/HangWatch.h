// SPDX-FileCopyrightText: 2026 The tolvaric developers
// SPDX-License-Identifier: MIT

#pragma once
// The help viewer is a process of its own, which the window neither waits
// for nor stops. Should a page ever hold its event loop for good, the viewer
// would stay on screen, dead, after the window's Quit, and keep Help from
// starting another. A thread beside the loop sees the loop's beat stop and
// ends the process, so that the next Help starts a fresh viewer.

#include <QObject>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <thread>

namespace tolvaric {

class HangWatch {
  public:
    // `onHang` runs on the watching thread once the loop has not beaten for `limit`.
    HangWatch(std::chrono::milliseconds limit, std::function<void()> onHang);
    ~HangWatch();
    HangWatch(const HangWatch&) = delete;
    HangWatch& operator=(const HangWatch&) = delete;

  private:
    void watch();

    std::chrono::milliseconds m_limit;
    std::function<void()> m_onHang;
    QObject m_beat; // lives on the loop's thread and beats with it
    std::atomic<std::chrono::steady_clock::rep> m_lastBeat;
    std::mutex m_mutex;
    std::condition_variable m_stop;
    bool m_stopping = false;
    std::thread m_thread;
};

} // namespace tolvaric
