// SPDX-FileCopyrightText: 2026 The tolvaric developers
// SPDX-License-Identifier: MIT

#include "ui/SheetChoicesDialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace tolvaric {

namespace {

constexpr std::array<Choice, 3> choices{Choice::Cylinders, Choice::Altitude, Choice::Boost};

} // namespace

SheetChoicesDialog::SheetChoicesDialog(const ChoiceTexts& texts, const QLocale& locale,
                                       QWidget* parent)
    : QDialog(parent), m_locale(locale) {
    setWindowTitle(tr("Engine Sheet Options"));
    auto* layout = new QVBoxLayout(this);
    auto* intro = new QLabel(tr("The sheet can add these; leave a box empty to leave it off."));
    intro->setTextFormat(Qt::PlainText);
    intro->setWordWrap(true);
    layout->addWidget(intro);
    auto* form = new QFormLayout;
    const std::array<QString, 3> labels{tr("&Cylinders:"), tr("&Altitude:"), tr("&Boost:")};
    const std::array<QString, 3> examples{tr("8"), tr("6000ft or 1830m"), tr("8psi or 0.55bar")};
    const std::array<const char*, 3> names{"cylinders", "altitude", "boost"};
    for (std::size_t i = 0; i < choices.size(); ++i) {
        auto* box = new QLineEdit(texts[choices[i]]);
        box->setObjectName(QLatin1String(names[i]));
        box->setPlaceholderText(examples[i]);
        form->addRow(labels[i], box);
        m_boxes[i] = box;
    }
    layout->addLayout(form);
    m_refusal = new QLabel;
    m_refusal->setObjectName(QStringLiteral("refusal"));
    // It quotes what was typed, which is never markup.
    m_refusal->setTextFormat(Qt::PlainText);
    m_refusal->setWordWrap(true);
    m_refusal->hide();
    layout->addWidget(m_refusal);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    buttons->button(QDialogButtonBox::Ok)->setText(tr("&Print..."));
    connect(buttons, &QDialogButtonBox::accepted, this, &SheetChoicesDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &SheetChoicesDialog::reject);
    layout->addWidget(buttons);
    setMinimumWidth(fontMetrics().averageCharWidth() * 60);
}

ChoiceTexts SheetChoicesDialog::texts() const {
    ChoiceTexts texts;
    for (std::size_t i = 0; i < choices.size(); ++i) {
        texts[choices[i]] = m_boxes[i]->text();
    }
    return texts;
}

void SheetChoicesDialog::accept() {
    const auto read = readChoices(texts(), m_locale);
    if (!read.ok()) {
        m_refusal->setText(read.refusal);
        m_refusal->show();
        auto* box = m_boxes[std::size_t(read.refused)];
        box->setFocus();
        box->selectAll();
        return;
    }
    QDialog::accept();
}

} // namespace tolvaric
