// SPDX-License-Identifier: MIT
// The configurator: builds the services and the main window, then runs the event loop.
#include "app/app_state.h"
#include "app/main_window.h"
#include "app/message_box_prompter.h"
#include "platform/system_services.h"

#include <QApplication>
#include <QScreen>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tessaro"));

    AppState state;
    MessageBoxPrompter prompter;
    SystemLauncher launcher;
    DesktopUrlOpener urlOpener;
    NoUpdateVersionService versionService;
    TFTessaroneFirmWare window(state, QCoreApplication::applicationDirPath(),
                               {prompter, launcher, urlOpener, versionService});
    prompter.setFallbackParent(&window);

    if (const QScreen *screen = window.screen()) {
        QRect frame = window.frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        window.move(frame.topLeft());
    }
    window.show();
    return QApplication::exec();
}
