// SPDX-License-Identifier: MIT
#include "platform/system_services.h"

#include <QElapsedTimer>
#include <QTest>

using namespace Qt::StringLiterals;

class TestLauncher : public QObject
{
    Q_OBJECT
private slots:
    void returnsSoonAfterTheProgrammeEnds();
    void givesUpAfterTheTimeout();
    void missingProgrammeReturnsAtOnce();
};

void TestLauncher::returnsSoonAfterTheProgrammeEnds()
{
    SystemLauncher launcher;
    QElapsedTimer clock;
    clock.start();
    launcher.Start_Program(u"/bin/sh"_s, u"-c \"sleep 0.2\""_s, false);
    const qint64 elapsed = clock.elapsed();
    QVERIFY2(elapsed >= 190 && elapsed < 2000, QByteArray::number(elapsed));
}

void TestLauncher::givesUpAfterTheTimeout()
{
    SystemLauncher launcher(300);
    QElapsedTimer clock;
    clock.start();
    launcher.Start_Program(u"/bin/sleep"_s, u"3"_s, true);
    const qint64 elapsed = clock.elapsed();
    QVERIFY2(elapsed >= 300 && elapsed < 2500, QByteArray::number(elapsed));
}

void TestLauncher::missingProgrammeReturnsAtOnce()
{
    SystemLauncher launcher;
    QElapsedTimer clock;
    clock.start();
    launcher.Start_Program(u"/nonexistent/Ethernet_Update"_s, QString(), false);
    QVERIFY(clock.elapsed() < 2000);
}

QTEST_GUILESS_MAIN(TestLauncher)
#include "tst_launcher.moc"
