#include "QtPrompts.h"

#include <QMessageBox>

namespace tolvaric {

void QtPrompts::inform(QWidget* parent, const QString& title, const QString& text,
                       MessageIcon icon) {
    QMessageBox box(icon == MessageIcon::Critical ? QMessageBox::Critical : QMessageBox::Warning,
                    title, text, QMessageBox::Ok, parent);
    box.exec();
}

bool QtPrompts::proceedAfterDataError(QWidget* parent) {
    QMessageBox box(QMessageBox::Critical, dataErrorTitle(), dataErrorText(),
                    QMessageBox::Yes | QMessageBox::No, parent);
    box.setDefaultButton(QMessageBox::Yes);
    return box.exec() == QMessageBox::Yes;
}

QString QtPrompts::chooseDataFile(QWidget*, FileChoice) {
    return {};
}

} // namespace tolvaric
