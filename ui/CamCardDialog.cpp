// SPDX-FileCopyrightText: 2026 The tolvaric developers
// SPDX-License-Identifier: MIT

#include "ui/CamCardDialog.h"

#include "model/DisplayPicture.h"
#include "text/LocaleNumbers.h"
#include "text/TerminalText.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace tolvaric {

namespace {

// Seat duration beyond the 0.050-inch duration on common hydraulic street
// cams (268 against 224 degrees, 270 against 224): a start, not a rule.
constexpr double usualRampAllowance = 44;

} // namespace

CamCardDialog::CamCardDialog(SeatTiming current, const QLocale& locale, QWidget* parent)
    : QDialog(parent), m_locale(locale) {
    setWindowTitle(tr("From a Cam Card"));
    auto* layout = new QVBoxLayout(this);
    auto* intro = new QLabel(tr("Type the intake events as the cam card gives them. Figures at "
                                "0.050 inch of lift lie inside the seat events by the ramps: the "
                                "allowance adds them back, and degreeing the cam gives the real "
                                "figure (see the help)."));
    intro->setTextFormat(Qt::PlainText);
    intro->setWordWrap(true);
    layout->addWidget(intro);

    const IntakeEvents events = intakeEvents(current);
    auto* form = new QFormLayout;
    m_lift = new QComboBox;
    m_lift->setObjectName(QStringLiteral("lift"));
    m_lift->addItems({tr("the seat (the card's checking height)"), tr("0.050 inch of lift")});
    form->addRow(tr("&Figures at:"), m_lift);
    m_opening = addEntry("opening", events.openingBtdc);
    form->addRow(tr("Intake &opens, \u00B0 BTDC:"), m_opening);
    m_closing = addEntry("closing", events.closingAbdc);
    form->addRow(tr("Intake &closes, \u00B0 ABDC:"), m_closing);
    m_allowance = addEntry("allowance", usualRampAllowance);
    form->addRow(tr("&Ramp allowance, \u00B0:"), m_allowance);
    layout->addLayout(form);

    m_result = new QLabel;
    m_result->setObjectName(QStringLiteral("result"));
    m_result->setTextFormat(Qt::PlainText); // it quotes what was typed
    m_result->setWordWrap(true);
    layout->addWidget(m_result);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    m_ok = buttons->button(QDialogButtonBox::Ok);
    m_ok->setText(tr("&Store"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);

    connect(m_lift, &QComboBox::currentIndexChanged, this, &CamCardDialog::update);
    for (auto* entry : {m_opening, m_closing, m_allowance}) {
        connect(entry, &QLineEdit::textChanged, this, &CamCardDialog::update);
    }
    setMinimumWidth(fontMetrics().averageCharWidth() * 60);
    update();
}

QLineEdit* CamCardDialog::addEntry(const char* name, double value) {
    auto* entry = new QLineEdit(degrees(value));
    entry->setObjectName(QLatin1String(name));
    return entry;
}

QString CamCardDialog::degrees(double value) const {
    return QString::fromStdString(formatFigure(value, 1, m_locale.decimalPoint().toStdString()));
}

std::optional<SeatTiming> CamCardDialog::timing() const {
    const bool atLift = m_lift->currentIndex() == 1;
    auto read = [this](const QLineEdit* entry) {
        return readValue(entry->text(), m_locale, Quantity::Angle);
    };
    const auto opening = read(m_opening);
    const auto closing = read(m_closing);
    const auto allowance = read(m_allowance);
    if (opening.kind != TypedReading::Kind::Number || closing.kind != TypedReading::Kind::Number ||
        (atLift && allowance.kind != TypedReading::Kind::Number)) {
        return std::nullopt;
    }
    const auto timing = seatTiming({opening.value, closing.value}, atLift ? allowance.value : 0);
    if (!plausibleDuration(timing.duration)) {
        return std::nullopt;
    }
    return timing;
}

void CamCardDialog::update() {
    m_allowance->setEnabled(m_lift->currentIndex() == 1);
    const auto result = timing();
    m_ok->setEnabled(result.has_value());
    if (result) {
        m_result->setText(tr("Stores Intake Seat Duration %1\u00B0 and Intake Centerline %2\u00B0.")
                              .arg(degrees(result->duration), degrees(result->centerline)));
        return;
    }
    for (const auto& [entry, name] :
         {std::pair{m_opening, tr("Intake opens")}, std::pair{m_closing, tr("Intake closes")},
          std::pair{m_allowance, tr("Ramp allowance")}}) {
        if (entry->isEnabled() && readValue(entry->text(), m_locale, Quantity::Angle).kind !=
                                      TypedReading::Kind::Number) {
            m_result->setText(tr("%1: \"%2\" is not a number of degrees; type one such as %3.")
                                  .arg(name, startOf(entry->text(), 40), degrees(9)));
            return;
        }
    }
    m_result->setText(tr("Those events make no intake lobe: the duration must come to more than "
                         "0\u00B0 and less than 360\u00B0."));
}

} // namespace tolvaric
