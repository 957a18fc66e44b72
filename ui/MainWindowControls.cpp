// SPDX-FileCopyrightText: 2026 The tolvaric developers
// SPDX-License-Identifier: MIT

// The window's controls, built once from the layout tables: the field rows,
// the buttons, the owner box, the logo and the focus order.

#include "ui/MainWindow.h"

#include "storage/Session.h"
#include "text/FieldRows.h"
#include "text/LocaleNumbers.h"
#include "text/Messages.h"
#include "ui/ColorButton.h"
#include "ui/FieldBox.h"
#include "ui/OwnerBox.h"
#include "ui/Prompts.h"
#include "ui/QtText.h"
#include "ui/ReadableText.h"
#include "ui/Twips.h"
#include "ui/WindowFonts.h"

#include <QAction>
#include <QLabel>
#include <QTextEdit>

namespace tolvaric {

void MainWindow::buildFieldRows() {
    for (std::size_t i = 0; i < fieldCount; ++i) {
        const auto& field = engineFields[i];
        const auto& row = layout::fieldRows[i];
        auto* label = new QLabel(caption(row, m_units), this);
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
        connect(box, &FieldBox::leftForAnotherControl, this, &MainWindow::storeEntry);
        // A screen reader names the box after its label: "Bore", not "text".
        label->setBuddy(box);
        box->setAccessibleName(fieldName(row));
        m_boxes[i] = box;
    }
    box(&EngineData::Cylinder_Pressure)->setReadOnly(true);
    auto* camCard = new QAction(tr("From a Cam Card\u2026"), this);
    camCard->setObjectName(QStringLiteral("camCard"));
    connect(camCard, &QAction::triggered, this, &MainWindow::enterFromCamCard);
    box(&EngineData::Intake_Seat_Duration)->addMenuAction(camCard);
    box(&EngineData::Intake_Centerline)->addMenuAction(camCard);
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
    m_owner->setPlainText(defaultOwner()); // the name the owner file falls back to
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

} // namespace tolvaric
