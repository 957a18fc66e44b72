// SPDX-FileCopyrightText: 2026 The tolvaric developers
// SPDX-License-Identifier: MIT

#include "ui/WindowGone.h"

#include <QCoreApplication>

#if TOLVARIC_HAVE_XKB
#include <xcb/xcb.h>
#endif

namespace tolvaric {

WindowGone::WindowGone(const QWidget& window, std::function<void()> gone)
    : m_window(window), m_gone(std::move(gone)) {
    QCoreApplication::instance()->installNativeEventFilter(this);
}

WindowGone::~WindowGone() {
    QCoreApplication::instance()->removeNativeEventFilter(this);
}

bool WindowGone::nativeEventFilter(const QByteArray& type, void* message, qintptr*) {
#if TOLVARIC_HAVE_XKB
    if (type == "xcb_generic_event_t") {
        const auto* event = static_cast<const xcb_generic_event_t*>(message);
        if ((event->response_type & 0x7f) == XCB_DESTROY_NOTIFY) {
            const auto* destroyed = static_cast<const xcb_destroy_notify_event_t*>(message);
            if (m_window.testAttribute(Qt::WA_WState_Created) &&
                destroyed->window == m_window.winId()) {
                m_gone();
            }
        }
    }
#else
    Q_UNUSED(type);
    Q_UNUSED(message);
#endif
    return false;
}

} // namespace tolvaric
