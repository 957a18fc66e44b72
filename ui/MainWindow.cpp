// SPDX-FileCopyrightText: 2026 The tolvaric developers
// SPDX-License-Identifier: MIT

#include "ui/MainWindow.h"

#include "model/CalculationCommand.h"
#include "model/Units.h"
#include "storage/Session.h"
#include "text/FieldRows.h"
#include "text/LocaleNumbers.h"
#include "text/Messages.h"
#include "text/Sheet.h"
#include "ui/ColorButton.h"
#include "ui/FieldBox.h"
#include "ui/OwnerBox.h"
#include "ui/Prompts.h"
#include "ui/QtText.h"
#include "ui/ReadableText.h"
#include "ui/SheetOutput.h"
#include "ui/Twips.h"
#include "ui/WindowFonts.h"

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
    m_boxes.front()->setFocus();
    // No control of its own: the window's layout is fixed.
    auto* print = new QShortcut(QKeySequence::Print, this);
    connect(print, &QShortcut::activated, this, &MainWindow::printSheet);
}

void MainWindow::buildFieldRows() {
    for (std::size_t i = 0; i < fieldCount; ++i) {
        const auto& field = engineFields[i];
        const auto& row = layout::fieldRows[i];
        auto* label = new QLabel(caption(row), this);
        label->setObjectName(fromView(row.label));
        label->setFont(arial(layout::labelPointSize));
        label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        label->setGeometry(
            twipsRect(layout::labelLeft, row.topTwips, layout::labelWidth, row.labelHeightTwips));

        auto* box = new FieldBox(field, this);
        box->setObjectName(fromView(row.textBox));
        box->setFont(arial(layout::boxPointSize));
        // Text at the top: the box below overlaps the lowest 4 pixels.
        box->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        // The initial texts are the same in every locale; a point reads everywhere.
        box->setText(m_units == UnitSystem::Inch
                         ? fromView(field.initialText)
                         : showValue(initialEngineData().*field.member, field.quantity,
                                     field.picture, m_locale, m_units));
        box->setGeometry(
            twipsRect(layout::boxLeft, row.topTwips, layout::boxWidth, layout::boxHeight));
        if (m_units == UnitSystem::Metric &&
            (field.quantity == Quantity::Length || field.quantity == Quantity::Pressure)) {
            // Millimetres and bar with their units take more room than the
            // box's inches: the type gets smaller until the widest fits.
            const double widest = field.quantity == Quantity::Length ? 888.88 / millimetresPerInch
                                                                     : 88.888 / psiToBar(1);
            const QString text =
                showValue(widest, field.quantity, field.picture, m_locale, m_units);
            box->setFont(fitting(box->font(), text, box->width() - 6));
        }
        connect(box, &FieldBox::leftForAnotherControl, this, &MainWindow::storeEntry);
        // A screen reader names the box after its label: "Bore", not "text".
        label->setBuddy(box);
        box->setAccessibleName(fieldName(row));
        m_boxes[i] = box;
    }
    box(&EngineData::Cylinder_Pressure)->setReadOnly(true);
    for (std::size_t i = 0; i < fieldCount; ++i) {
        m_boxes[i]->setChain(i > 0 ? m_boxes[i - 1] : nullptr,
                             i + 1 < fieldCount ? m_boxes[i + 1] : nullptr);
    }
}

void MainWindow::buildButtons() {
    for (std::size_t i = 0; i < layout::buttons.size(); ++i) {
        const auto& place = layout::buttons[i];
        auto* button =
            new ColorButton(tr(place.caption), QColor(place.red, place.green, place.blue), this);
        button->setObjectName(QString::fromLatin1(place.name));
        button->setFont(arial(layout::buttonPointSize));
        button->setGeometry(twipsRect(place.left, place.top, place.width, place.height));
        connect(button, &ColorButton::clicked, this,
                [this, action = place.action] { runButton(action); });
        m_buttons[i] = button;
    }
}

void MainWindow::buildOtherControls() {
    auto* owner = new OwnerBox(ownerTextLimit, this);
    connect(owner, &OwnerBox::pasteCut, this, [this] {
        m_prompts.inform(this, messageBoxTitle(), ownerCutText(), MessageIcon::Exclamation);
    });
    m_owner = owner;
    m_owner->setObjectName(QStringLiteral("TxtOwner"));
    m_owner->setAcceptRichText(false);
    m_owner->setTabChangesFocus(true);
    m_owner->setFrameShape(QFrame::NoFrame);
    m_owner->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_owner->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_owner->setFont(arial(layout::ownerPointSize));
    QTextOption centred(Qt::AlignHCenter);
    centred.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    m_owner->document()->setDefaultTextOption(centred);
    QPalette ownerPalette = m_owner->palette();
    ownerPalette.setColor(QPalette::Base, layout::grey);
    ownerPalette.setColor(QPalette::Text,
                          readableOn(layout::grey, ownerPalette.color(QPalette::Text)));
    m_owner->setPalette(ownerPalette);
    m_owner->setPlainText(defaultOwner); // the name the owner file falls back to
    m_owner->setToolTip(tr(" Click here to change "));
    m_owner->setAccessibleName(tr("Owner"));
    m_owner->setGeometry(twipsRect(layout::ownerTwips));
    connect(m_owner, &QTextEdit::textChanged, this, &MainWindow::storeOwner);

    m_logo = new QLabel(this);
    m_logo->setObjectName(QStringLiteral("Image1"));
    m_logo->setScaledContents(true); // any picture fills the whole box, distorted if need be
    m_logo->setToolTip(tr(" See HELP to customize "));
    m_logo->setAccessibleName(tr("Logo"));
    m_logo->setAccessibleDescription(
        tr("The owner's logo: mine.bmp from the working folder, or tolvaric's own"));
    m_logo->setGeometry(twipsRect(layout::imageTwips));

    auto* distribute = new QLabel(tr("Distribute Freely"), this);
    distribute->setObjectName(QStringLiteral("Label1"));
    distribute->setAlignment(Qt::AlignHCenter | Qt::AlignVCenter);
    distribute->setFont(script(layout::distributePointSize));
    QPalette white = distribute->palette();
    white.setColor(QPalette::WindowText, Qt::white);
    distribute->setPalette(white);
    distribute->setGeometry(twipsRect(layout::distributeTwips));
}

void MainWindow::setFocusOrder() {
    // The first fourteen boxes, the seven buttons, then the two result boxes
    // and the owner box; Tab from the owner box returns to the first box.
    QList<QWidget*> order;
    for (std::size_t i = 0; i < fieldIndex(&EngineData::Compression_Ratio); ++i) {
        order.append(m_boxes[i]);
    }
    for (auto* button : m_buttons) {
        order.append(button);
    }
    order.append(box(&EngineData::Compression_Ratio));
    order.append(box(&EngineData::Cylinder_Pressure));
    order.append(m_owner);
    for (qsizetype i = 0; i + 1 < order.size(); ++i) {
        setTabOrder(order[i], order[i + 1]);
    }
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
                     unreadableEntryText(name, elided(text, 40),
                                         readValue(text, m_locale, quantity, m_units).kind,
                                         quantity, m_locale.decimalPoint()),
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
    box(command.result)
        ->setText(showValue(result.value, field.quantity, picture, m_locale, m_units));
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
    // The file it was last saved to or fetched from names it, and its PDF.
    const QString file = m_session.dataFile();
    const SheetEngine sheet{file.isEmpty() ? tr("not saved to a file yet") : file,
                            typedText(*m_owner), m_session.engine()};
    const QString pdf = QDir::current().filePath(
        (file.isEmpty() ? QStringLiteral("tolvaric") : QFileInfo(file).completeBaseName()) +
        QStringLiteral(".pdf"));
    const QString failure =
        tolvaric::printSheet({sheet}, todaysHeader(), {m_locale.decimalPoint()}, pdf, this);
    if (!failure.isEmpty()) {
        m_prompts.inform(this, messageBoxTitle(), failure, MessageIcon::Exclamation);
    }
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
