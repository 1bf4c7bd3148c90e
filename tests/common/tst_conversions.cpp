// SPDX-License-Identifier: MIT
#include "common/conversions.h"

#include <QTest>

#include <algorithm>
#include <limits>
#include <vector>

using namespace Qt::StringLiterals;

class TestConversions : public QObject
{
    Q_OBJECT

private slots:
    void decimalSeparatorFrom_data();
    void decimalSeparatorFrom();
    void systemDecimalSeparatorIsCommaOrPoint();

    void textToFloat_data();
    void textToFloat();

    void comModeCode_data();
    void comModeCode();

    void splitIpAddress_data();
    void splitIpAddress();

    void minCycleTime_data();
    void minCycleTime();
    void minCycleTimeBoundaries_data();
    void minCycleTimeBoundaries();
    void minCycleTimeIsShortestCodableTime();
};

void TestConversions::decimalSeparatorFrom_data()
{
    QTest::addColumn<QString>("setting");
    QTest::addColumn<QChar>("expected");

    QTest::newRow("comma") << u","_s << QChar(u',');
    QTest::newRow("point") << u"."_s << QChar(u'.');
    QTest::newRow("empty") << QString() << QChar(u',');
    QTest::newRow("point first of several") << u".,"_s << QChar(u'.');
    QTest::newRow("comma first of several") << u",."_s << QChar(u',');
    QTest::newRow("blank before point") << u" ."_s << QChar(u',');
    QTest::newRow("arabic decimal separator") << u"\u066B"_s << QChar(u',');
    QTest::newRow("letter") << u"d"_s << QChar(u',');
}

void TestConversions::decimalSeparatorFrom()
{
    QFETCH(QString, setting);
    QFETCH(QChar, expected);
    QCOMPARE(::decimalSeparatorFrom(setting), expected);
}

void TestConversions::systemDecimalSeparatorIsCommaOrPoint()
{
    const QChar separator = Get_Decimal_Separator();
    QVERIFY2(separator == u',' || separator == u'.', qPrintable(QString(separator)));
}

void TestConversions::textToFloat_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QChar>("separator");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<float>("value");

    const QChar comma(u',');
    const QChar point(u'.');
    auto ok = [](const char *name, const QString &text, QChar separator, float value) {
        QTest::newRow(name) << text << separator << true << value;
    };
    auto bad = [](const char *name, const QString &text, QChar separator) {
        QTest::newRow(name) << text << separator << false << 1.0f;
    };

    ok("point read with comma", u"1.5"_s, comma, 1.5f);
    ok("comma read with comma", u"1,5"_s, comma, 1.5f);
    ok("point read with point", u"1.5"_s, point, 1.5f);
    ok("comma read with point", u"1,5"_s, point, 1.5f);
    ok("integer", u"3"_s, comma, 3.0f);
    ok("zero", u"0"_s, point, 0.0f);
    ok("minus", u"-2,25"_s, comma, -2.25f);
    ok("plus", u"+2.25"_s, point, 2.25f);
    ok("no integer digits", u",5"_s, comma, 0.5f);
    ok("no fraction digits", u"5."_s, point, 5.0f);
    ok("narrowed to float", u"0.1"_s, comma, 0.1f);
    ok("exponent", u"1e3"_s, comma, 1000.0f);
    ok("exponent upper case, negative", u"1,5E-2"_s, comma, 0.015f);
    ok("exponent with plus", u"-2.5e+2"_s, point, -250.0f);
    ok("near float maximum", u"3.4e38"_s, point, 3.4e38f);
    ok("below float range becomes zero", u"1e-60"_s, point, 0.0f);

    bad("empty", QString(), comma);
    bad("letters", u"abc"_s, comma);
    bad("lone sign", u"-"_s, comma);
    bad("lone mark", u","_s, comma);
    bad("mark and exponent only", u".e5"_s, point);
    bad("leading blank", u" 1.5"_s, comma);
    bad("trailing blank", u"1.5 "_s, point);
    bad("inner blank", u"1 5"_s, comma);
    bad("tab", u"1.5\t"_s, comma);
    bad("two marks", u"1..5"_s, point);
    bad("thousands with point", u"1.000,5"_s, comma);
    bad("thousands with comma", u"1,000.5"_s, point);
    bad("double sign", u"--1"_s, point);
    bad("exponent without digits", u"1e"_s, point);
    bad("exponent sign without digits", u"1e+"_s, point);
    bad("fractional exponent", u"1e5.5"_s, point);
    bad("exponent without mantissa", u"e5"_s, point);
    bad("trailing letter", u"1.5f"_s, point);
    bad("infinity", u"inf"_s, point);
    bad("not a number", u"nan"_s, point);
    bad("hex float", u"0x1p3"_s, point);
    bad("above float range", u"1e39"_s, point);
    bad("above double range", u"1e400"_s, comma);
    bad("fullwidth digit", u"\uFF11"_s, point);
}

void TestConversions::textToFloat()
{
    QFETCH(QString, text);
    QFETCH(QChar, separator);
    QFETCH(bool, ok);
    QFETCH(float, value);

    const FloatReading reading = Text_To_Float(text, separator);
    QCOMPARE(reading.ok, ok);
    QCOMPARE(reading.value, value);
}

void TestConversions::comModeCode_data()
{
    QTest::addColumn<QString>("rate");
    QTest::addColumn<int>("code");

    QTest::newRow("COM1") << u"COM1"_s << 1;
    QTest::newRow("COM2") << u"COM2"_s << 2;
    QTest::newRow("COM3") << u"COM3"_s << 3;
    QTest::newRow("blanks around") << u"  COM3 "_s << 3;
    QTest::newRow("controls around") << u"\tCOM2\r\n"_s << 2;
    QTest::newRow("lower case") << u"com3"_s << 1;
    QTest::newRow("inner blank") << u"COM 2"_s << 1;
    QTest::newRow("leading zero") << u"COM03"_s << 1;
    QTest::newRow("unknown rate") << u"COM4"_s << 1;
    QTest::newRow("empty") << QString() << 1;
}

void TestConversions::comModeCode()
{
    QFETCH(QString, rate);
    QFETCH(int, code);
    QCOMPARE(COM_Mode_Code(rate), code);
}

void TestConversions::splitIpAddress_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<QStringList>("parts");

    auto row = [](const char *name, const QString &text, bool valid, const QStringList &parts) {
        QTest::newRow(name) << text << valid << parts;
    };

    row("plain address", u"192.168.2.205"_s, true, {u"192"_s, u"168"_s, u"2"_s, u"205"_s});
    row("blanks around every part", u" 192 . 168 . 2 . 205 "_s, true,
        {u"192"_s, u"168"_s, u"2"_s, u"205"_s});
    row("controls around parts", u"\t10.\t0.0\t.1\r\n"_s, true, {u"10"_s, u"0"_s, u"0"_s, u"1"_s});
    row("lowest", u"0.0.0.0"_s, true, {u"0"_s, u"0"_s, u"0"_s, u"0"_s});
    row("highest", u"255.255.255.255"_s, true, {u"255"_s, u"255"_s, u"255"_s, u"255"_s});
    row("hex parts", u"$C0.0xA8.x2.205"_s, true, {u"$C0"_s, u"0xA8"_s, u"x2"_s, u"205"_s});

    row("empty", QString(), false, {QString(), QString(), QString(), QString()});
    row("no dot", u"192168"_s, false, {QString(), QString(), QString(), QString()});
    row("lone dot", u"."_s, false, {QString(), QString(), QString(), QString()});
    row("one dot", u"1.2"_s, false, {u"1"_s, QString(), QString(), QString()});
    row("two dots", u"192.168.1"_s, false, {u"192"_s, u"168"_s, QString(), QString()});
    row("five parts", u"1.2.3.4.5"_s, false, {u"1"_s, u"2"_s, u"3"_s, u"4.5"_s});
    row("part above 255", u"256.1.1.1"_s, false, {u"256"_s, u"1"_s, u"1"_s, u"1"_s});
    row("last part above 255", u"1.1.1.256"_s, false, {u"1"_s, u"1"_s, u"1"_s, u"256"_s});
    row("negative part", u"1.-1.1.1"_s, false, {u"1"_s, u"-1"_s, u"1"_s, u"1"_s});
    row("empty last part", u"1.2.3."_s, false, {u"1"_s, u"2"_s, u"3"_s, QString()});
    row("empty inner part", u"1..3.4"_s, false, {u"1"_s, QString(), u"3"_s, u"4"_s});
    row("letters", u"a.b.c.d"_s, false, {u"a"_s, u"b"_s, u"c"_s, u"d"_s});
    row("inner blank in part", u"1.2 3.4.5"_s, false, {u"1"_s, u"2 3"_s, u"4"_s, u"5"_s});
}

void TestConversions::splitIpAddress()
{
    QFETCH(QString, text);
    QFETCH(bool, valid);
    QFETCH(QStringList, parts);

    const IpAddressParts result = Split_IP_Address(text);
    QCOMPARE(result.valid, valid);
    const QStringList got(result.parts.begin(), result.parts.end());
    QCOMPARE(got, parts);
}

void TestConversions::minCycleTime_data()
{
    QTest::addColumn<QString>("rate");
    QTest::addColumn<int>("inputBits");
    QTest::addColumn<int>("outputBits");
    QTest::addColumn<int>("code");
    QTest::addColumn<int>("microseconds");

    // n = 12 x input bytes + 14 x output bytes + 61 bit times.
    QTest::newRow("COM2 16/16: 113 bit times, 2 942 520 ns")
        << u"COM2"_s << 16 << 16 << 0x1E << 3'000;
    QTest::newRow("COM3 no data: 264 740 ns") << u"COM3"_s << 0 << 0 << 4 << 400;
    QTest::newRow("COM3 16/8: 429 660 ns") << u"COM3"_s << 16 << 8 << 5 << 500;
    QTest::newRow("COM1 256/256: 186 038 690 ns clamps")
        << u"COM1"_s << 256 << 256 << 0xBF << 132'800;
    QTest::newRow("COM1 no data: 12 708 130 ns") << u"COM1"_s << 0 << 0 << 0x50 << 12'800;
    QTest::newRow("COM2 no data: 1 588 440 ns") << u"COM2"_s << 0 << 0 << 16 << 1'600;

    // Partial bytes round up: 1 and 8 bits are one byte, 9 bits two.
    QTest::newRow("COM2 1 input bit same as 8") << u"COM2"_s << 1 << 0 << 20 << 2'000;
    QTest::newRow("COM2 8 input bits") << u"COM2"_s << 8 << 0 << 20 << 2'000;
    QTest::newRow("COM2 9 input bits, 85 bit times") << u"COM2"_s << 9 << 0 << 23 << 2'300;
    QTest::newRow("COM2 9 output bits, 89 bit times") << u"COM2"_s << 0 << 9 << 24 << 2'400;
    QTest::newRow("negative totals count as no data") << u"COM2"_s << -16 << -1 << 16 << 1'600;
    QTest::newRow("largest totals do not overflow")
        << u"COM3"_s << std::numeric_limits<int>::max() << std::numeric_limits<int>::max()
        << 0xBF << 132'800;

    // The rate is trimmed and upper-cased; anything unknown uses the COM1 bit time.
    QTest::newRow("lower case with blanks is COM2") << u"  com2 "_s << 16 << 16 << 0x1E << 3'000;
    QTest::newRow("empty rate is COM1") << QString() << 0 << 0 << 0x50 << 12'800;
    QTest::newRow("unknown rate is COM1") << u"COM4"_s << 0 << 0 << 0x50 << 12'800;
}

void TestConversions::minCycleTime()
{
    QFETCH(QString, rate);
    QFETCH(int, inputBits);
    QFETCH(int, outputBits);
    QFETCH(int, code);
    QFETCH(int, microseconds);

    const MinCycleTime result = IOLink_Min_Cycle_Time(rate, inputBits, outputBits);
    QCOMPARE(result.code, code);
    QCOMPARE(result.microseconds, microseconds);
}

void TestConversions::minCycleTimeBoundaries_data()
{
    QTest::addColumn<qint64>("nanoseconds");
    QTest::addColumn<int>("code");
    QTest::addColumn<int>("microseconds");

    QTest::newRow("most negative") << std::numeric_limits<qint64>::min() << 4 << 400;
    QTest::newRow("zero") << qint64(0) << 4 << 400;
    QTest::newRow("400 000") << qint64(400'000) << 4 << 400;
    QTest::newRow("400 001") << qint64(400'001) << 5 << 500;
    QTest::newRow("500 000") << qint64(500'000) << 5 << 500;
    QTest::newRow("500 001") << qint64(500'001) << 6 << 600;
    QTest::newRow("6 300 000") << qint64(6'300'000) << 63 << 6'300;
    QTest::newRow("6 300 001") << qint64(6'300'001) << 0x40 << 6'400;
    QTest::newRow("6 400 000") << qint64(6'400'000) << 0x40 << 6'400;
    QTest::newRow("6 400 001") << qint64(6'400'001) << 0x41 << 6'800;
    QTest::newRow("31 600 000") << qint64(31'600'000) << 0x7F << 31'600;
    QTest::newRow("31 600 001") << qint64(31'600'001) << 0x80 << 32'000;
    QTest::newRow("32 000 000") << qint64(32'000'000) << 0x80 << 32'000;
    QTest::newRow("32 000 001") << qint64(32'000'001) << 0x81 << 33'600;
    QTest::newRow("132 800 000") << qint64(132'800'000) << 0xBF << 132'800;
    QTest::newRow("132 800 001") << qint64(132'800'001) << 0xBF << 132'800;
    QTest::newRow("largest") << std::numeric_limits<qint64>::max() << 0xBF << 132'800;
}

void TestConversions::minCycleTimeBoundaries()
{
    QFETCH(qint64, nanoseconds);
    QFETCH(int, code);
    QFETCH(int, microseconds);

    const MinCycleTime result = minCycleTimeFromNanoseconds(nanoseconds);
    QCOMPARE(result.code, code);
    QCOMPARE(result.microseconds, microseconds);
}

namespace {
// Time in microseconds that an IO-Link cycle time code stands for.
int decodeCycleTime(int code)
{
    const int multiplier = code & 0x3F;
    switch (code >> 6) {
    case 0: return 100 * multiplier;
    case 1: return 6'400 + 400 * multiplier;
    case 2: return 32'000 + 1'600 * multiplier;
    default: return -1;
    }
}
} // namespace

// Over a sweep of durations the result must carry a valid code, its time must equal the
// coded value, and it must be the shortest codable time from 0.4 ms up that is not below
// the duration (or 132.8 ms when none is long enough).
void TestConversions::minCycleTimeIsShortestCodableTime()
{
    std::vector<int> codable;
    for (int code = 0; code < 0xC0; ++code) {
        if (decodeCycleTime(code) >= 400)
            codable.push_back(decodeCycleTime(code));
    }
    std::sort(codable.begin(), codable.end());

    for (qint64 t = 0; t <= 140'000'000; t += 33'333) {
        for (const qint64 ns : {t, t - 1, t + 1}) {
            const MinCycleTime result = minCycleTimeFromNanoseconds(ns);
            QVERIFY2(result.code >= 0 && result.code < 0xC0, qPrintable(QString::number(ns)));
            QCOMPARE(decodeCycleTime(result.code), result.microseconds);

            const auto shortest = std::find_if(codable.begin(), codable.end(),
                                               [ns](int us) { return qint64(us) * 1000 >= ns; });
            const int expected = shortest == codable.end() ? codable.back() : *shortest;
            if (result.microseconds != expected)
                QFAIL(qPrintable(u"%1 ns gave %2 us, expected %3 us"_s.arg(ns)
                                     .arg(result.microseconds).arg(expected)));
        }
    }
}

QTEST_GUILESS_MAIN(TestConversions)
#include "tst_conversions.moc"
