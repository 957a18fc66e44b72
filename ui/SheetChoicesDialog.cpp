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
    for (const ChoiceWords& words : choiceWords) {
        auto* box = new QLineEdit(texts[words.choice]);
        box->setObjectName(QLatin1String(words.option));
        box->setPlaceholderText(choiceText(words.choice, words.example));
        form->addRow(choiceText(words.choice, words.label), box);
        m_boxes[std::size_t(words.choice)] = box;
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
    for (std::size_t i = 0; i < choiceCount; ++i) {
        texts.typed[i] = m_boxes[i]->text();
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
