// SPDX-FileCopyrightText: 2026 The tolvaric developers
// SPDX-License-Identifier: MIT

#include "ui/QtPrompts.h"

#include "ui/DataFileDialog.h"

#include <QApplication>
#include <QFileDialog>
#include <QKeyEvent>
#include <QMessageBox>

namespace tolvaric {

void prepareDataFileDialog(QFileDialog& dialog, FileChoice choice) {
    const bool saving = choice == FileChoice::Save;
    dialog.setAcceptMode(saving ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(saving ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, true);
    dialog.setOption(QFileDialog::ReadOnly, false);
    dialog.setWindowTitle(saving ? QtPrompts::tr("Save This") : QtPrompts::tr("Fetch Old File"));
    dialog.setNameFilter(QtPrompts::tr("TOLVARIC files (*.dat)"));
    dialog.setDirectory(QDir::currentPath());
    dialog.selectFile(QString());
}

QtPrompts::QtPrompts() = default;
QtPrompts::~QtPrompts() {
    if (m_host && !m_host->parent()) {
        delete m_host; // asked for without a main window
    }
}

namespace {

// The data-error question can only be answered: No ends the program, so a
// reflexive Escape or the close button must not stand for it.
class AnswerRequired : public QObject {
  public:
    using QObject::QObject;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Close) {
            event->ignore();
            return true;
        }
        if (event->type() == QEvent::KeyPress &&
            static_cast<QKeyEvent*>(event)->matches(QKeySequence::Cancel)) {
            return true;
        }
        return QObject::eventFilter(watched, event);
    }
};

} // namespace

void QtPrompts::inform(QWidget* parent, const QString& title, const QString& text,
                       MessageIcon icon) {
    QMessageBox box(icon == MessageIcon::Critical ? QMessageBox::Critical : QMessageBox::Warning,
                    title, text, QMessageBox::Ok, parent);
    box.setTextFormat(Qt::PlainText); // typed text and file names are never markup
    box.exec();
}

bool QtPrompts::proceedAfterDataError(QWidget* parent) {
    QMessageBox box(QMessageBox::Critical, dataErrorTitle(), dataErrorText(),
                    QMessageBox::Yes | QMessageBox::No, parent);
    box.setTextFormat(Qt::PlainText);
    box.setDefaultButton(QMessageBox::Yes);
    AnswerRequired answerRequired;
    box.installEventFilter(&answerRequired);
    return box.exec() == QMessageBox::Yes;
}

QString QtPrompts::chooseDataFile(QWidget* parent, FileChoice choice) {
    if (!m_host) {
        // A window of its own, never shown, owned by the main window.
        m_host = new QWidget(parent ? parent->window() : nullptr, Qt::Window);
        m_host->setObjectName(QStringLiteral("cdlTolvaric"));
        m_host->setWindowTitle(QStringLiteral("Form1"));
        m_dialog = new DataFileDialog(m_host);
        m_dialog->setObjectName(QStringLiteral("CdlOpen"));
        m_dialog->setDefaultSuffix(QStringLiteral("dat"));
        m_dialog->setWindowModality(Qt::ApplicationModal);
    }
    prepareDataFileDialog(*m_dialog, choice);
    const int answer = m_dialog->exec();
    // A file-name completion list still open when Enter accepted the name would
    // otherwise stay on screen and swallow the next click in the window.
    for (int open = 0; open < 8 && QApplication::activePopupWidget(); ++open) {
        QApplication::activePopupWidget()->close();
    }
    if (answer != QDialog::Accepted || m_dialog->selectedFiles().isEmpty()) {
        return {};
    }
    return m_dialog->selectedFiles().front();
}

} // namespace tolvaric
