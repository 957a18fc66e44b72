// SPDX-FileCopyrightText: 2026 The tolvaric developers
// SPDX-License-Identifier: MIT

#include "ui/MainWindow.h"

#include "model/CalculationCommand.h"
#include "model/SheetFigures.h"
#include "sheet/Sheet.h"
#include "storage/Session.h"
#include "text/EntryMessages.h"
#include "text/FieldRows.h"
#include "text/LocaleNumbers.h"
#include "text/Messages.h"
#include "text/TerminalText.h"
#include "ui/ColorButton.h"
#include "ui/FieldBox.h"
#include "ui/Prompts.h"
#include "ui/ReadableText.h"
#include "ui/SheetOutput.h"
#include "ui/Twips.h"

#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QPixmap>
#include <QShortcut>
#include <QTextEdit>

namespace tolvaric {

namespace {

// The owner's name as typed; toPlainText() would turn a non-breaking space
// into a plain one. A new paragraph (Enter) and a line break (Shift+Enter)
// are both the file's line break.
QString typedText(const QTextEdit& box) {
    return box.document()
        ->toRawText()
        .replace(QChar::ParagraphSeparator, QLatin1Char('\n'))
        .replace(QChar::LineSeparator, QLatin1Char('\n'));
}

} // namespace

MainWindow::MainWindow(Session& session, Prompts& prompts, const QLocale& locale, UnitSystem units,
                       QWidget* parent)
    : QWidget(parent), m_session(session), m_prompts(prompts), m_locale(locale), m_units(units) {
    setObjectName(QStringLiteral("tolvaric"));
    setWindowTitle(tr(layout::windowCaption));
    QPalette grey = palette();
    grey.setColor(QPalette::Window, layout::grey);
    grey.setColor(QPalette::WindowText, readableOn(layout::grey, grey.color(QPalette::WindowText)));
    setPalette(grey);
    setAutoFillBackground(true);
    resize(pixels(layout::clientWidth), pixels(layout::clientHeight));

    buildFieldRows();
    buildButtons();
    buildOtherControls();
    setFocusOrder();
    m_boxes.front()->enter(); // its text selected: what is typed first replaces it
    showResultFigures();
    // No control of its own: the window's layout is fixed.
    auto* print = new QShortcut(QKeySequence::Print, this);
    connect(print, &QShortcut::activated, this, &MainWindow::printSheet);
}

ColorButton* MainWindow::button(ButtonAction action) const {
    for (std::size_t i = 0; i < layout::buttons.size(); ++i) {
        if (layout::buttons[i].action == action) {
            return m_buttons[i];
        }
    }
    return nullptr;
}

void MainWindow::Show_Engine_Data() {
    for (auto* fieldBox : m_boxes) {
        const auto& field = fieldBox->field();
        fieldBox->setText(showValue(m_session.engine().*field.member, field.quantity, field.picture,
                                    m_locale, m_units));
        fieldBox->setCursorPosition(0); // its start, should it not fit
    }
    // The box the user is in shows the new value selected, as on arrival.
    if (auto* focused = qobject_cast<FieldBox*>(focusWidget())) {
        focused->selectAll();
    }
    showResultFigures();
}

void MainWindow::showOwner(const QString& owner) {
    m_owner->setPlainText(owner);
}

void MainWindow::showLogo(const QImage& picture) {
    QPixmap pixmap = QPixmap::fromImage(picture);
    pixmap.setDevicePixelRatio(m_logo->devicePixelRatio());
    m_logo->setPixmap(pixmap);
}

QSize MainWindow::logoPixels() const {
    return m_logo->size() * m_logo->devicePixelRatio();
}

void MainWindow::storeOwner() {
    m_session.setOwner(typedText(*m_owner));
}

void MainWindow::storeEntry(FieldBox* fieldBox) {
    // A box whose text nobody changed since the program wrote it stores
    // nothing: the record keeps the value exactly, not as the box rounds it.
    if (!fieldBox->isModified()) {
        return;
    }
    if (const auto reading =
            readValue(fieldBox->text(), m_locale, fieldBox->field().quantity, m_units);
        reading.kind == TypedReading::Kind::Number) {
        m_session.store(fieldBox->field().member, reading.value);
        showResultFigures();
        return;
    }
    if (m_unreadable) {
        return; // already being reported
    }
    // Told after the event that moved the focus has finished, so the click
    // that took the focus away finds the entry pending and does nothing.
    m_unreadable = fieldBox;
    QMetaObject::invokeMethod(this, &MainWindow::reportUnreadableEntry, Qt::QueuedConnection);
}

void MainWindow::reportUnreadableEntry() {
    if (!m_unreadable) {
        return;
    }
    const QString name = layout::fieldName(layout::rowOf(m_unreadable->field().member));
    const QString text = m_unreadable->text();
    // Only the start of a long entry, so the box stays a sensible width.
    const Quantity quantity = m_unreadable->field().quantity;
    m_prompts.inform(this, messageBoxTitle(),
                     unreadableEntryText(name, startOf(text, 40),
                                         readValue(text, m_locale, quantity, m_units).kind,
                                         quantity, m_units, m_locale.decimalPoint()),
                     MessageIcon::Exclamation);
    m_unreadable->setFocus(Qt::OtherFocusReason);
    m_unreadable->selectAll();
    m_unreadable = nullptr;
}

void MainWindow::calculate(Calculation calculation) {
    // Two decimals in the chamber box here, one after a start or fetch.
    const auto& [command, picture] =
        calculation == Calculation::Ratio    ? std::pair{ratioCommand, Picture::TwoDecimals}
        : calculation == Calculation::Volume ? std::pair{volumeCommand, Picture::TwoDecimalsWide}
                                             : std::pair{pressureCommand, Picture::TwoDecimalsWide};
    const auto result = m_session.calculate(command);
    if (!result.succeeded()) {
        m_prompts.inform(this, messageFor(result.outcome));
        return;
    }
    const auto& field = engineFields[fieldIndex(command.result)];
    auto* resultBox = box(command.result);
    resultBox->setText(showValue(result.value, field.quantity, picture, m_locale, m_units));
    resultBox->setCursorPosition(0); // its start, should it not fit
    showResultFigures();             // the figures behind every result changed with it
}

void MainWindow::showResultFigures() {
    const auto f = sheetFigures(m_session.engine());
    auto shown = [this](const SheetFigure& figure, int decimals) {
        return QString::fromStdString(
            formatFigure(figure.value, decimals, m_locale.decimalPoint().toStdString()));
    };
    auto describe = [](FieldBox* resultBox, const QString& text) {
        resultBox->setToolTip(text);
        resultBox->setAccessibleDescription(text);
    };
    describe(box(&EngineData::Compression_Ratio),
             f.sweptCc.ok() && f.clearanceCc.ok()
                 ? ratioFiguresText(shown(f.sweptCc, 2), shown(f.clearanceCc, 2))
                 : QString());
    describe(box(&EngineData::Combustion_Chamber_Volume),
             f.requiredClearanceCc.ok() ? chamberFiguresText(shown(f.requiredClearanceCc, 2))
                                        : QString());
    describe(box(&EngineData::Cylinder_Pressure),
             f.intakeClosing.ok() && f.dynamicRatio.ok()
                 ? pressureFiguresText(shown(f.intakeClosing, 1), shown(f.dynamicRatio, 2))
                 : QString());
}

void MainWindow::printSheet() {
    // The box being edited is stored as leaving it would store it; text that
    // is no number is reported as ever, and nothing is printed.
    if (auto* edited = qobject_cast<FieldBox*>(focusWidget())) {
        storeEntry(edited);
    }
    if (m_unreadable) {
        return;
    }
    // What the sheet adds is asked first, and kept while the window is open.
    const auto texts = m_prompts.askSheetChoices(this, m_sheetChoices, m_locale);
    if (!texts) {
        return;
    }
    m_sheetChoices = *texts;
    SheetHeader header = todaysHeader();
    header.choices = readChoices(m_sheetChoices, m_locale).choices;
    // The file it was last saved to or fetched from names it, and its PDF.
    const QString file = m_session.dataFile();
    const SheetEngine sheet{file.isEmpty() ? tr("not saved to a file yet") : file,
                            typedText(*m_owner), m_session.engine()};
    const QString pdf = QDir::current().filePath(
        (file.isEmpty() ? QStringLiteral("tolvaric") : QFileInfo(file).completeBaseName()) +
        QStringLiteral(".pdf"));
    const QString failure =
        tolvaric::printSheet({sheet}, header, {m_locale.decimalPoint()}, pdf, this);
    if (!failure.isEmpty()) {
        m_prompts.inform(this, messageBoxTitle(), failure, MessageIcon::Exclamation);
    }
}

void MainWindow::enterFromCamCard() {
    if (m_unreadable) {
        return; // a box shows text that the record does not hold
    }
    const auto& engine = m_session.engine();
    const auto timing = m_prompts.askCamCard(
        this, {engine.Intake_Seat_Duration, engine.Intake_Centerline}, m_locale);
    if (!timing) {
        return;
    }
    showAndStore(&EngineData::Intake_Seat_Duration, timing->duration);
    showAndStore(&EngineData::Intake_Centerline, timing->centerline);
    showResultFigures();
}

void MainWindow::showAndStore(double EngineData::*member, double value) {
    const auto& field = engineFields[fieldIndex(member)];
    auto* fieldBox = box(member);
    fieldBox->setText(showValue(value, field.quantity, field.picture, m_locale, m_units));
    fieldBox->setCursorPosition(0);
    m_session.store(member, value);
}

// The one place where a button becomes what it asks for.
void MainWindow::runButton(ButtonAction action) {
    if (m_unreadable) {
        return; // a box shows text that the record does not hold
    }
    if (const auto* calculation = std::get_if<Calculation>(&action)) {
        return calculate(*calculation);
    }
    emit commandRequested(std::get<Command>(action));
}

} // namespace tolvaric
