// SPDX-FileCopyrightText: 2026 The tolvaric developers
// SPDX-License-Identifier: MIT

#pragma once
// Reports, on standard output, the moment a window first paints and the
// process's peak memory, then ends the process.

#include <QEvent>
#include <QObject>
#include <QTimer>
#include <QWidget>

#include <cstdio>
#include <ctime>
#include <sys/resource.h>

class FirstPaint : public QObject {
  public:
    explicit FirstPaint(QWidget& window) : QObject(&window) { window.installEventFilter(this); }

  protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint && !m_reported) {
            m_reported = true;
            // Let this paint finish, then report and end.
            QTimer::singleShot(0, [] {
                timespec now{};
                clock_gettime(CLOCK_MONOTONIC, &now);
                rusage usage{};
                getrusage(RUSAGE_SELF, &usage);
                std::printf("painted %lld %ld\n",
                            static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec,
                            usage.ru_maxrss);
                std::fflush(stdout);
                std::_Exit(0);
            });
        }
        return false;
    }

  private:
    bool m_reported = false;
};
