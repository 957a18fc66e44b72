// tolvaric: compression ratio, chamber volume and cranking pressure for one
// cylinder of a piston engine.

#include "FileCommands.h"
#include "MainWindow.h"
#include "QtPrompts.h"
#include "Version.h"
#include "declaratives.h"

#include <QApplication>
#include <QIcon>

#include <cstdio>

namespace {

// Without a display Qt would abort with a long message; say it in one line.
bool displayAvailable() {
    return qEnvironmentVariableIsSet("QT_QPA_PLATFORM") ||
           !qEnvironmentVariableIsEmpty("DISPLAY") ||
           !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
}

} // namespace

int main(int argc, char* argv[]) {
    if (!displayAvailable()) {
        std::fputs("tolvaric: no display to open its window on; run it on a desktop, or set "
                   "DISPLAY (for example start Xvfb :99 and use DISPLAY=:99).\n",
                   stderr);
        return 1;
    }
    QApplication application(argc, argv);
    QApplication::setApplicationName(tolvaric::productName);
    QApplication::setApplicationVersion(tolvaric::productVersion);
    QApplication::setOrganizationName(tolvaric::productName);
    tolvaric::initResources();

    QIcon icon;
    icon.addFile(QStringLiteral(":/icons/tolvaric-16.png"));
    icon.addFile(QStringLiteral(":/icons/tolvaric-32.png"));
    QApplication::setWindowIcon(icon);

    tolvaric::QtPrompts prompts;
    tolvaric::MainWindow window(tolvaric::declaratives::engineData, prompts);
    tolvaric::FileCommands commands(window, tolvaric::declaratives::engineData, prompts,
                                    [] { QApplication::exit(0); });
    if (!commands.startUp()) {
        return 0; // No on the data-error question: no window, nothing written
    }
    QObject::connect(&window, &tolvaric::MainWindow::commandRequested, &commands,
                     &tolvaric::FileCommands::run);
    window.show();
    return QApplication::exec();
}
