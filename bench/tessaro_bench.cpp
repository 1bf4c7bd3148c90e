// SPDX-License-Identifier: MIT
// tessaro-bench: how long the configurator takes to show its main window and to load its
// message catalogue. Runs offscreen unless QT_QPA_PLATFORM names another platform.
//
//   tessaro-bench [--repetitions N]
#include "app/app_state.h"
#include "app/main_window.h"
#include "app/prompter.h"
#include "cli/cli.h"
#include "messages/messages.h"
#include "platform/services.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QWindow>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

using namespace Qt::StringLiterals;

namespace {

// Services that never block: boxes are counted, not shown.
class CountingPrompter final : public Prompter
{
public:
    void showError(const QString &) override { ++boxes; }
    void showWarning(const QString &) override { ++boxes; }
    bool askYesNo(const QString &) override
    {
        ++boxes;
        return false;
    }
    QString pickSaveFile(const QString &, const QString &, const QString &) override { return {}; }
    QString pickFolder(const QString &) override { return {}; }
    int boxes = 0;
};

class IdleLauncher final : public ProgramLauncher
{
public:
    void Start_Program(const QString &, const QString &, bool) override {}
};

class IdleUrlOpener final : public UrlOpener
{
public:
    void openUrl(const QString &) override {}
};

class NoNewerVersion final : public VersionService
{
public:
    bool newerVersionAvailable() override { return false; }
};

[[noreturn]] void fail(const QString &why)
{
    std::fprintf(stderr, "tessaro-bench: %s\n", qPrintable(why));
    std::exit(1);
}

double msSince(const QElapsedTimer &timer)
{
    return double(timer.nsecsElapsed()) / 1e6;
}

// Peak resident set size of this process in MiB, from VmHWM.
double peakRssMiB()
{
    QFile status(u"/proc/self/status"_s);
    if (!status.open(QIODevice::ReadOnly | QIODevice::Text))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').constFirst().toDouble() / 1024.0;
    }
    return -1;
}

struct Row {
    QString name;
    std::vector<double> samples;
};

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

void printTable(const std::vector<Row> &rows)
{
    std::printf("%-44s %5s %10s %10s %10s\n", "measurement", "runs", "median ms", "min ms", "max ms");
    for (const Row &row : rows) {
        std::printf("%-44s %5zu %10.3f %10.3f %10.3f\n", qPrintable(row.name), row.samples.size(),
                    median(row.samples), *std::min_element(row.samples.begin(), row.samples.end()),
                    *std::max_element(row.samples.begin(), row.samples.end()));
    }
}

struct StartupSample {
    double construct = 0; // AppState and main window built
    double shown = 0;     // until the window is exposed and painted
};

// One start of the configurator over a fresh workspace, as the programme's main() does it.
StartupSample startOnce()
{
    QTemporaryDir workspace;
    if (!workspace.isValid())
        fail(u"no temporary folder"_s);
    CountingPrompter prompter;
    IdleLauncher launcher;
    IdleUrlOpener urlOpener;
    NoNewerVersion versionService;

    StartupSample sample;
    QElapsedTimer timer;
    timer.start();
    {
        AppState state;
        TFTessaroneFirmWare window(state, workspace.path(), {prompter, launcher, urlOpener, versionService});
        sample.construct = msSince(timer);
        window.show();
        QElapsedTimer deadline;
        deadline.start();
        while (!(window.windowHandle() && window.windowHandle()->isExposed())) {
            if (deadline.hasExpired(5000))
                fail(u"the main window was never exposed"_s);
            QCoreApplication::processEvents(QEventLoop::AllEvents);
        }
        QCoreApplication::processEvents(QEventLoop::AllEvents); // pending paints
        sample.shown = msSince(timer);
        if (!QTest::qWaitForWindowExposed(&window))
            fail(u"the main window is not exposed"_s);
        if (prompter.boxes != 0)
            fail(u"start-up over an empty workspace asked the user something"_s);
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
    return sample;
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // Not part of the start-up figure below, which begins with the application object built.
    QElapsedTimer applicationTimer;
    applicationTimer.start();
    QApplication application(argc, argv);
    const double applicationMs = msSince(applicationTimer);
    QApplication::setApplicationName(u"tessaro-bench"_s);

    QCommandLineParser parser;
    parser.setApplicationDescription(u"Start-up and catalogue timings of the configurator."_s);
    parser.addHelpOption();
    const QCommandLineOption repetitionsOption(u"repetitions"_s,
                                               u"Warm repetitions of each measurement (default 20)."_s,
                                               u"N"_s, u"20"_s);
    parser.addOption(repetitionsOption);
    parser.process(application);
    bool numeric = false;
    const int repetitions = parser.value(repetitionsOption).toInt(&numeric);
    if (!numeric || repetitions < 1)
        fail(u"--repetitions needs a positive number"_s);

    std::printf("platform %s, %d warm repetitions\n\n", qPrintable(QGuiApplication::platformName()),
                repetitions);

    // (a) Start-up to the main window shown. The first start in the process pays for fonts,
    // styles and plugins and is reported apart.
    const StartupSample cold = startOnce();
    Row construct{u"start-up: construct window (warm)"_s, {}};
    Row shown{u"start-up: main window shown (warm)"_s, {}};
    for (int i = 0; i < repetitions; ++i) {
        const StartupSample sample = startOnce();
        construct.samples.push_back(sample.construct);
        shown.samples.push_back(sample.shown);
    }
    const double rssAfterStartup = peakRssMiB();

    // (b) The catalogue: built-in texts alone, and a full language file over them.
    QTemporaryDir workspace;
    CliOutput printed;
    if (runCli({u"--workspace"_s, workspace.path(), u"messages"_s}, workspace.path(), printed) != 0)
        fail(u"the catalogue could not be printed: "_s + QString::fromUtf8(printed.err));
    const QString languageDir = workspace.filePath(u"LANGUAGE"_s);
    QFile file(languageDir + u"/Bench.lng"_s);
    if (!QDir().mkpath(languageDir) || !file.open(QIODevice::WriteOnly) || file.write(printed.out) != printed.out.size())
        fail(u"the language file could not be written"_s);
    file.close();

    Messages builtIn;
    builtIn.Fill_Default_Messages();
    Row fill{u"catalogue: Fill_Default_Messages"_s, {}};
    Row load{u"catalogue: Load_Language, 5600-line file"_s, {}};
    const int catalogueRuns = std::max(repetitions, 50);
    for (int i = 0; i <= catalogueRuns; ++i) {
        Messages messages;
        QElapsedTimer timer;
        timer.start();
        messages.Fill_Default_Messages();
        const double fillMs = msSince(timer);

        Messages loaded;
        timer.start();
        const LoadLanguageResult result = Load_Language(loaded, languageDir, u"Bench"_s);
        const double loadMs = msSince(timer);
        if (!result.file.ok || result.languageName != u"Bench"_s || loaded.texts() != builtIn.texts())
            fail(u"the language file did not load as printed"_s);
        if (i == 0)
            continue; // warm-up
        fill.samples.push_back(fillMs);
        load.samples.push_back(loadMs);
    }

    std::printf("%-44s %5s %10s\n", "measurement", "runs", "ms");
    std::printf("%-44s %5d %10.3f\n", "QApplication construction", 1, applicationMs);
    std::printf("%-44s %5d %10.3f\n", "start-up: construct window (cold)", 1, cold.construct);
    std::printf("%-44s %5d %10.3f\n\n", "start-up: main window shown (cold)", 1, cold.shown);
    printTable({construct, shown, fill, load});
    std::printf("\nlanguage file: %lld bytes\n", static_cast<long long>(printed.out.size()));
    std::printf("peak RSS (VmHWM): %.1f MiB after start-up runs, %.1f MiB at the end\n", rssAfterStartup,
                peakRssMiB());

    constexpr double BudgetMs = 300;
    const bool met = cold.shown < BudgetMs && median(shown.samples) < BudgetMs;
    std::printf("budget: main window shown in under %.0f ms: %s\n", BudgetMs, met ? "met" : "NOT met");
    return 0;
}
