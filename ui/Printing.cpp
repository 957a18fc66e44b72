// SPDX-FileCopyrightText: 2026 The tolvaric developers
// SPDX-License-Identifier: MIT

#include "ui/Printing.h"

#include "storage/FileWriter.h"
#include "text/Messages.h"

#include <QBuffer>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QLineEdit>
#include <QMessageBox>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrinter>

namespace tolvaric {

namespace {

// Qt's dialog opens the file named for Print to File as its Print button is
// pressed, and a pipe of that name would hold every window for ever: such a
// name is refused first, and the dialog stays open. The button's press goes
// through the check here before it reaches Qt's own.
class PrintDialog : public QPrintDialog {
  public:
    PrintDialog(QPrinter* printer, QWidget* parent) : QPrintDialog(printer, parent) {
        for (auto* buttons : findChildren<QDialogButtonBox*>()) {
            disconnect(buttons, &QDialogButtonBox::accepted, this, nullptr);
            connect(buttons, &QDialogButtonBox::accepted, this, [this] {
                if (targetRefused()) {
                    return;
                }
                // Qt's check of the other fields, then its accept().
                if (!QMetaObject::invokeMethod(this, "_q_checkFields")) {
                    QPrintDialog::accept();
                }
            });
        }
    }
    void accept() override {
        if (!targetRefused()) {
            QPrintDialog::accept();
        }
    }

  private:
    bool targetRefused() {
        const auto* file = findChild<QLineEdit*>(QStringLiteral("filename"));
        if (!file || !file->isEnabled() || file->text().isEmpty()) {
            return false;
        }
        const QFileInfo target(file->text());
        if (!target.exists() || target.isFile() || target.isDir()) {
            return false;
        }
        QMessageBox box(QMessageBox::Warning, windowTitle(),
                        printTargetRefusedText(target.filePath()), QMessageBox::Ok, this);
        box.setTextFormat(Qt::PlainText);
        box.exec();
        return true;
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

QString printThroughDialog(QPrinter& printer, const QString& title, const PagePainter& paint,
                           QWidget* parent) {
    PrintDialog dialog(&printer, parent);
    dialog.setWindowTitle(title);
    if (dialog.exec() != QDialog::Accepted) {
        return {};
    }
    const QString file = printer.outputFileName();
    if (printer.outputFormat() == QPrinter::PdfFormat && !file.isEmpty()) {
        const QByteArray bytes = pdfFile(printer.pageLayout(), paint, printer.resolution());
        const bool existed = QFileInfo(file).isFile();
        if (const auto status = writeWholeFile(file, bytes); !status.ok()) {
            return printFailedText(file, status, existed);
        }
        return {};
    }
    paint(printer);
    return printer.printerState() == QPrinter::Error ? printerFailedText() : QString();
}

} // namespace tolvaric
