#include "Prompts.h"

namespace tolvaric {

namespace {
QString fromView(std::string_view text) {
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}
} // namespace

void Prompts::inform(QWidget* parent, const Message& message) {
    inform(parent, fromView(message.title), fromView(message.text), message.icon);
}

QString titleText() {
    return fromView(applicationTitle);
}

QString dataErrorTitle() {
    return QStringLiteral("Data Error!");
}

QString dataErrorText() {
    return QStringLiteral("Something's amiss in the default data\r\n          PROCEED ANYWAY??");
}

} // namespace tolvaric
