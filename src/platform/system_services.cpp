// SPDX-License-Identifier: MIT
#include "platform/system_services.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QElapsedTimer>
#include <QEvent>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QThread>
#include <QUrl>

#ifdef Q_OS_WIN
#include <windows.h>
#else
#include <signal.h>
#endif

namespace {

// True while the detached process runs; a process that ended but was not yet reaped counts as ended.
bool processRunning(qint64 pid)
{
#ifdef Q_OS_WIN
    HANDLE process = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, DWORD(pid));
    if (!process)
        return false;
    DWORD exitCode = 0;
    const bool running = GetExitCodeProcess(process, &exitCode) && exitCode == STILL_ACTIVE;
    CloseHandle(process);
    return running;
#else
    if (::kill(pid_t(pid), 0) != 0)
        return false;
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!stat.open(QIODevice::ReadOnly))
        return true;
    const QByteArray line = stat.readAll();
    const qsizetype afterName = line.lastIndexOf(')');
    return afterName < 0 || line.mid(afterName + 2, 1) != "Z";
#endif
}

// Drops keys and clicks while the configurator waits, so none of them acts once the wait is over.
class InputSwallower final : public QObject
{
public:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        switch (event->type()) {
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
        case QEvent::ShortcutOverride:
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::Wheel:
        case QEvent::Close:
            return true;
        default:
            return QObject::eventFilter(watched, event);
        }
    }
};

} // namespace

void SystemLauncher::Start_Program(const QString &NomeSW, const QString &Parameter, bool tipo)
{
    Q_UNUSED(tipo); // a desktop window of the updater is its own business on this platform
    // Detached, so that a programme still running after the time-out is left running.
    QProcess process;
    process.setProgram(NomeSW);
    process.setArguments(QProcess::splitCommand(Parameter));
    // The updater looks for its job file beside itself; start it in its own folder.
    process.setWorkingDirectory(QFileInfo(NomeSW).absolutePath());
    // The updater talks to the user in its own window, not through the configurator's streams.
    process.setStandardInputFile(QProcess::nullDevice());
    process.setStandardOutputFile(QProcess::nullDevice());
    process.setStandardErrorFile(QProcess::nullDevice());
    qint64 pid = 0;
    if (!process.startDetached(&pid))
        return;
    InputSwallower swallower;
    if (QCoreApplication *app = QCoreApplication::instance())
        app->installEventFilter(&swallower);
    QElapsedTimer clock;
    clock.start();
    while (processRunning(pid) && clock.elapsed() < m_timeoutMs) {
        // Keep the windows painted while the programme runs; input is dropped meanwhile.
        QCoreApplication::processEvents();
        QThread::msleep(10);
    }
}

void DesktopUrlOpener::openUrl(const QString &url)
{
    QDesktopServices::openUrl(QUrl(url));
}
