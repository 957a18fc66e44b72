// SPDX-FileCopyrightText: 2026 The tolvaric developers
// SPDX-License-Identifier: MIT

#pragma once
// What the window's tests share: the window on the sample engine, shown and
// active for each test function, with prompts the test answers, and typing.

#include "storage/Session.h"
#include "tests/FakePrompts.h"
#include "ui/FieldBox.h"
#include "ui/MainWindow.h"

#include <QApplication>
#include <QTest>

#include <memory>

class WindowTest : public QObject {
  protected:
    void openWindow() {
        m_session.setEngine(tolvaric::initialEngineData());
        m_prompts = FakePrompts();
        m_window = std::make_unique<tolvaric::MainWindow>(m_session, m_prompts, QLocale::c());
        m_window->show();
        QApplication::setActiveWindow(m_window.get());
        QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
    }
    void closeWindow() { m_window.reset(); }

    // Typed key by key, after selecting what the box shows.
    static void typeInto(tolvaric::FieldBox* box, const QString& text) {
        box->setFocus();
        box->selectAll();
        for (const QChar c : text) { // keyClicks knows only ASCII
            QTest::sendKeyEvent(QTest::Click, box, Qt::Key_unknown, QString(c), Qt::NoModifier);
        }
    }
    static tolvaric::FieldBox* focusedBox() {
        return qobject_cast<tolvaric::FieldBox*>(QApplication::focusWidget());
    }

    tolvaric::Session m_session;
    FakePrompts m_prompts;
    std::unique_ptr<tolvaric::MainWindow> m_window;
};
