// SPDX-FileCopyrightText: 2026 The tolvaric developers
// SPDX-License-Identifier: MIT

#include "ui/Printing.h"

#include "storage/FileWriter.h"
#include "storage/OutputFile.h"
#include "text/Messages.h"
#include "ui/DialogSettings.h"

#include <QBuffer>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QMessageBox>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>

namespace tolvaric {

namespace {

// Qt's dialog opens the file named for Print to File as its Print button is
// pressed (a pipe of that name would hold every window for ever), and asks
// about a file that is there with the name read as markup (a name holding
// <img src=...> would open that file). The program checks the name itself,
// in plain words, while the dialog stays open; Qt's own check then sees only
// a printer's settings.
class PrintDialog : public QPrintDialog {
  public:
    PrintDialog(QPrinter* printer, QWidget* parent) : QPrintDialog(printer, parent) {
        for (auto* buttons : findChildren<QDialogButtonBox*>()) {
            disconnect(buttons, &QDialogButtonBox::accepted, this, nullptr);
            connect(buttons, &QDialogButtonBox::accepted, this, [this] {
                if (toFile()) {
                    if (targetTaken()) {
                        QPrintDialog::accept();
                    }
                    return;
                }
                // Qt's check of the printer's fields, then its accept().
                if (!QMetaObject::invokeMethod(this, "_q_checkFields")) {
                    QPrintDialog::accept();
                }
            });
        }
    }
    void accept() override {
        if (!toFile() || targetTaken()) {
            QPrintDialog::accept();
        }
    }

  private:
    QString fileName() const {
        const auto* file = findChild<QLineEdit*>(QStringLiteral("filename"));
        return file && file->isEnabled() ? file->text() : QString();
    }
    bool toFile() const { return !fileName().isEmpty(); }

    void say(const QString& text) {
        QMessageBox box(QMessageBox::Warning, windowTitle(), text, QMessageBox::Ok, this);
        box.setTextFormat(Qt::PlainText);
        box.exec();
    }

    // Whether the PDF may go to the file named, asked where it replaces one.
    bool targetTaken() {
        const QFileInfo target(fileName());
        if (target.exists() && !target.isFile()) {
            say(printTargetRefusedText(target.filePath()));
            return false;
        }
        if (namesKeptFile(target.filePath())) {
            say(printTargetKeptText(target.filePath()));
            return false;
        }
        if (!target.exists()) {
            return true;
        }
        QMessageBox box(QMessageBox::Question, windowTitle(),
                        printTargetExistsText(target.filePath()),
                        QMessageBox::Yes | QMessageBox::No, this);
        box.setTextFormat(Qt::PlainText);
        box.setDefaultButton(QMessageBox::No);
        return box.exec() == QMessageBox::Yes;
    }
};

} // namespace

QByteArray pdfFile(const QPageLayout& page, const PagePainter& paint, int resolution) {
    QByteArray bytes;
    QBuffer output(&bytes);
    output.open(QIODevice::WriteOnly);
    {
        QPdfWriter pdf(&output);
        pdf.setPageLayout(page);
        if (resolution > 0) {
            pdf.setResolution(resolution);
        }
        pdf.setTitle(QStringLiteral("tolvaric"));
        pdf.setCreator(QStringLiteral("tolvaric"));
        paint(pdf);
    } // the writer ends the file when it goes
    return bytes;
}

namespace {

// The pages as a PDF file, written as the data files are.
QString writePdf(const QString& file, const QPageLayout& page, const PagePainter& paint,
                 int resolution) {
    const QByteArray bytes = pdfFile(page, paint, resolution);
    const bool existed = QFileInfo(file).isFile();
    if (const auto status = writeWholeFile(file, bytes); !status.ok()) {
        return printFailedText(file, status, existed);
    }
    return {};
}

#ifdef Q_OS_WIN
// Windows' own print dialog does not open without a printer: with none set
// up, the pages are offered as a PDF file, named in the file dialog.
QString saveAsPdfInstead(QPrinter& printer, const QString& title, const PagePainter& paint,
                         QWidget* parent) {
    if (QMessageBox::question(parent, title, noPrinterText(), QMessageBox::Yes | QMessageBox::No,
                              QMessageBox::Yes) != QMessageBox::Yes) {
        return {};
    }
    const QString suggested = printer.outputFileName().isEmpty()
                                  ? printer.docName() + QStringLiteral(".pdf")
                                  : printer.outputFileName();
    noteFileDialogSettings();
    const QString file = QFileDialog::getSaveFileName(parent, title, suggested, pdfFilesFilter());
    forgetFileDialogSettings(); // Qt's dialog leaves its last folder

    if (file.isEmpty()) {
        return {};
    }
    return writePdf(file, printer.pageLayout(), paint, 0);
}
#endif

} // namespace

QString printThroughDialog(QPrinter& printer, const QString& title, const PagePainter& paint,
                           QWidget* parent) {
#ifdef Q_OS_WIN
    if (QPrinterInfo::availablePrinterNames().isEmpty()) {
        return saveAsPdfInstead(printer, title, paint, parent);
    }
#endif
    PrintDialog dialog(&printer, parent);
    dialog.setWindowTitle(title);
    if (dialog.exec() != QDialog::Accepted) {
        return {};
    }
    const QString file = printer.outputFileName();
    if (printer.outputFormat() == QPrinter::PdfFormat && !file.isEmpty()) {
        return writePdf(file, printer.pageLayout(), paint, printer.resolution());
    }
    paint(printer);
    return printer.printerState() == QPrinter::Error ? printerFailedText() : QString();
}

} // namespace tolvaric
