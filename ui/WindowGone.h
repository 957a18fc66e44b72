// SPDX-FileCopyrightText: 2026 The tolvaric developers
// SPDX-License-Identifier: MIT

#pragma once
// A window destroyed from outside (another X client's XDestroyWindow) sends
// no close request; without a watch the program would go on with no window.

#include <QAbstractNativeEventFilter>
#include <QWidget>

#include <functional>

namespace tolvaric {

class WindowGone : public QAbstractNativeEventFilter {
  public:
    // `gone` runs when the system window of `window` is destroyed from outside.
    WindowGone(const QWidget& window, std::function<void()> gone);
    ~WindowGone() override;
    bool nativeEventFilter(const QByteArray& type, void* message, qintptr* result) override;

  private:
    const QWidget& m_window;
    std::function<void()> m_gone;
};

} // namespace tolvaric
