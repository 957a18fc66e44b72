// SPDX-FileCopyrightText: 2026 The tolvaric developers
// SPDX-License-Identifier: MIT

#include "ui/QtPrompts.h"

#include "text/CommandLine.h"
#include "text/Messages.h"
#include "ui/CamCardDialog.h"
#include "ui/ContentsRequest.h"
#include "ui/DataFileDialog.h"
#include "ui/DialogSettings.h"
#include "ui/SheetChoicesDialog.h"

#include <QApplication>
#include <QFile>
#include <QFileDialog>
#include <QKeyEvent>
#include <QMessageBox>
#include <QProcess>
#include <QScopeGuard>
#include <QSettings>

#include <memory>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

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

namespace {

// Qt's file dialog keeps its history, last folder and view in a settings file
// when it is destroyed. tolvaric keeps nothing beyond its two files: settings
// files go below a path that can never be a folder, so none is written.
void keepNoSettings() {
#ifdef Q_OS_WIN
    noteFileDialogSettings();
#else
    for (const auto format : {QSettings::NativeFormat, QSettings::IniFormat}) {
        for (const auto scope : {QSettings::UserScope, QSettings::SystemScope}) {
            QSettings::setPath(format, scope, QStringLiteral("/dev/null"));
        }
    }
#endif
}

} // namespace

QtPrompts::QtPrompts() {
    keepNoSettings();
}
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

bool QtPrompts::proceedAfterDataError(QWidget* parent, const QString& detail) {
    QMessageBox box(QMessageBox::Critical, dataErrorTitle(), dataErrorText(),
                    QMessageBox::Yes | QMessageBox::No, parent);
    box.setTextFormat(Qt::PlainText);
    if (!detail.isEmpty()) {
        // A file's name is never markup: escaped, and shown as rich text.
        box.setInformativeText(
            QStringLiteral("<p>%1</p>")
                .arg(detail.toHtmlEscaped().replace(QLatin1Char('\n'), QStringLiteral("<br>"))));
    }
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
    }
    // A new dialog each time, so that it starts with an empty file name.
    auto* used = new DataFileDialog(m_host);
    DataFileDialog& dialog = *used;
    dialog.setObjectName(QStringLiteral("CdlOpen"));
    dialog.setDefaultSuffix(QStringLiteral("dat"));
    dialog.setWindowModality(Qt::ApplicationModal);
    prepareDataFileDialog(dialog, choice);
    const int answer = dialog.exec();
    // Qt's dialog writes its history and view to the settings when it is
    // destroyed. Elsewhere those go nowhere; Windows keeps them in the
    // registry, so there a used dialog is let go of, never destroyed.
    std::unique_ptr<DataFileDialog> owned(used);
#ifdef Q_OS_WIN
    const auto letGo = qScopeGuard([&owned] {
        owned->setParent(nullptr);
        owned.release();
        forgetFileDialogSettings(); // what reading and using it wrote
    });
#endif
    // A file-name completion list still open when Enter accepted the name
    // would otherwise stay on screen and swallow the next click in the window.
    for (int open = 0; open < 8 && QApplication::activePopupWidget(); ++open) {
        QApplication::activePopupWidget()->close();
    }
    // The keyboard goes back to the window, not to the dialog's hidden host.
    if (parent) {
        parent->window()->activateWindow();
    }
    const QStringList chosen = dialog.selectedFiles();
    if (answer != QDialog::Accepted || chosen.isEmpty()) {
        return {};
    }
    QString path = chosen.front();
    // A native dialog closes before its name can be refused: say why, and
    // the command ends; the user may start it again.
    if (const auto refusal = dataFileRefusal(path, choice == FileChoice::Save);
        refusal != FileRefusal::None) {
        inform(parent, dialog.windowTitle(), fileRefusalText(refusal, path),
               MessageIcon::Exclamation);
        return {};
    }
    return path;
}

bool QtPrompts::startHelpViewer() {
    // The same program in its help-only mode, in the same working folder,
    // where it looks for the document first.
    return QProcess::startDetached(QCoreApplication::applicationFilePath(),
                                   {QString::fromLatin1(helpViewerOption)}, QDir::currentPath(),
                                   &m_viewer);
}

std::optional<SeatTiming> QtPrompts::askCamCard(QWidget* parent, SeatTiming current,
                                                const QLocale& locale) {
    CamCardDialog dialog(current, locale, parent);
    if (dialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return dialog.timing();
}

std::optional<ChoiceTexts> QtPrompts::askSheetChoices(QWidget* parent, const ChoiceTexts& texts,
                                                      const QLocale& locale) {
    SheetChoicesDialog dialog(texts, locale, parent);
    if (dialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return dialog.texts();
}

bool QtPrompts::showOpenHelpViewer() {
    if (!helpViewerOpen()) {
        return false;
    }
    askForContents(m_viewer); // one still starting opens on its contents anyway
    return true;
}

bool QtPrompts::helpViewerOpen() const {
    if (m_viewer <= 0) {
        return false;
    }
#ifdef _WIN32
    const HANDLE process =
        OpenProcess(SYNCHRONIZE | PROCESS_QUERY_LIMITED_INFORMATION, FALSE, DWORD(m_viewer));
    if (process == nullptr) {
        return false;
    }
    const bool running = WaitForSingleObject(process, 0) == WAIT_TIMEOUT;
    CloseHandle(process);
    return running;
#else
    // Still this program in its help mode, not another that took the number.
    QFile commandLine(QStringLiteral("/proc/%1/cmdline").arg(m_viewer));
    return commandLine.open(QIODevice::ReadOnly) &&
           commandLine.readAll().contains(helpViewerOption);
#endif
}

} // namespace tolvaric
