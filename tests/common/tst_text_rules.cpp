// SPDX-License-Identifier: MIT
#include "common/text_rules.h"

#include <QTest>

#include <cstdint>
#include <limits>

using namespace Qt::StringLiterals;

class TestTextRules : public QObject
{
    Q_OBJECT

private slots:
    void trimText_data();
    void trimText();

    void integerText_data();
    void intFromText_data() { integerText_data(); }
    void intFromText();
    void int64FromText_data() { integerText_data(); }
    void int64FromText();
};

void TestTextRules::trimText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");

    QTest::newRow("empty") << QString() << QString();
    QTest::newRow("only blanks and controls") << u" \t\r\n\x01 "_s << QString();
    QTest::newRow("untouched") << u"COM2"_s << u"COM2"_s;
    QTest::newRow("blanks both ends") << u"  COM2  "_s << u"COM2"_s;
    QTest::newRow("controls both ends") << u"\t\n\r\x00x\x1F\x20"_s << u"x"_s;
    QTest::newRow("inner blanks kept") << u" a \t b "_s << u"a \t b"_s;
    QTest::newRow("U+0021 kept") << u"!a!"_s << u"!a!"_s;
    QTest::newRow("no-break space kept") << u"\u00A0a\u00A0"_s << u"\u00A0a\u00A0"_s;
}

void TestTextRules::trimText()
{
    QFETCH(QString, text);
    QFETCH(QString, expected);
    QCOMPARE(::trimText(text), expected);
}

// One table for both widths: "value" is what the text means when it is readable within
// 64 bits; the 32-bit reader must also give its fallback once the value leaves its range.
void TestTextRules::integerText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("readable");
    QTest::addColumn<qint64>("value");

    auto ok = [](const char *name, const QString &text, qint64 value) {
        QTest::newRow(name) << text << true << value;
    };
    auto bad = [](const char *name, const QString &text) {
        QTest::newRow(name) << text << false << qint64(0);
    };

    ok("zero", u"0"_s, 0);
    ok("decimal", u"123"_s, 123);
    ok("plus sign", u"+123"_s, 123);
    ok("minus sign", u"-123"_s, -123);
    ok("minus zero", u"-0"_s, 0);
    ok("leading zeros", u"007"_s, 7);
    ok("many leading zeros", u"0000000000000000000000000000001"_s, 1);
    ok("leading blanks", u"   42"_s, 42);
    ok("leading blanks before sign", u"  -17"_s, -17);

    ok("hex dollar", u"$ff"_s, 255);
    ok("hex x", u"xFF"_s, 255);
    ok("hex X", u"XfF"_s, 255);
    ok("hex 0x", u"0x1a"_s, 26);
    ok("hex 0X", u"0X1A"_s, 26);
    ok("hex negative", u"-$10"_s, -16);
    ok("hex plus", u"+0x10"_s, 16);
    ok("hex after blanks and sign", u"  -0X1f"_s, -31);
    ok("hex leading zeros", u"$0000000000000000000000FF"_s, 255);

    bad("empty", QString());
    bad("only blanks", u"   "_s);
    bad("trailing blank", u"42 "_s);
    bad("leading tab", u"\t42"_s);
    bad("trailing newline", u"42\n"_s);
    bad("inner blank", u"1 2"_s);
    bad("blank after sign", u"- 1"_s);
    bad("lone plus", u"+"_s);
    bad("lone minus", u"-"_s);
    bad("double sign", u"--1"_s);
    bad("mixed signs", u"+-1"_s);
    bad("lone dollar", u"$"_s);
    bad("lone 0x", u"0x"_s);
    bad("lone x", u"x"_s);
    bad("sign and prefix only", u"-0x"_s);
    bad("sign after prefix", u"$-1"_s);
    bad("two prefixes", u"$0x10"_s);
    bad("prefix after digits", u"00x10"_s);
    bad("hex digits without prefix", u"1F"_s);
    bad("letters", u"abc"_s);
    bad("trailing letter", u"12a"_s);
    bad("bad hex digit", u"0x1g"_s);
    bad("decimal point", u"1.5"_s);
    bad("exponent", u"1e3"_s);
    bad("fullwidth digits", u"\uFF11\uFF12"_s);
    bad("arabic-indic digits", u"\u0661\u0662"_s);

    ok("int max", u"2147483647"_s, 2147483647);
    ok("int max + 1", u"2147483648"_s, 2147483648);
    ok("int min", u"-2147483648"_s, -2147483648LL);
    ok("int min - 1", u"-2147483649"_s, -2147483649LL);
    ok("2^32 - 1", u"4294967295"_s, 4294967295LL);
    ok("2^32", u"4294967296"_s, 4294967296LL);
    ok("hex int max", u"$7FFFFFFF"_s, 0x7FFFFFFF);
    ok("hex int max + 1", u"$80000000"_s, 0x80000000LL);
    ok("hex int min", u"-$80000000"_s, -0x80000000LL);
    ok("hex 2^32 - 1", u"$FFFFFFFF"_s, 0xFFFFFFFFLL);

    ok("int64 max", u"9223372036854775807"_s, std::numeric_limits<qint64>::max());
    bad("int64 max + 1", u"9223372036854775808"_s);
    ok("int64 min", u"-9223372036854775808"_s, std::numeric_limits<qint64>::min());
    bad("int64 min - 1", u"-9223372036854775809"_s);
    ok("hex int64 max", u"$7FFFFFFFFFFFFFFF"_s, std::numeric_limits<qint64>::max());
    bad("hex int64 max + 1", u"$8000000000000000"_s);
    ok("hex int64 min", u"-$8000000000000000"_s, std::numeric_limits<qint64>::min());
    bad("hex 2^64 - 1", u"0xFFFFFFFFFFFFFFFF"_s);
    bad("2^64", u"18446744073709551616"_s);
    bad("hex 2^64", u"$10000000000000000"_s);
    bad("many digits", u"99999999999999999999999999999999"_s);
}

void TestTextRules::intFromText()
{
    QFETCH(QString, text);
    QFETCH(bool, readable);
    QFETCH(qint64, value);

    const bool fits = readable && value >= std::numeric_limits<int>::min()
                      && value <= std::numeric_limits<int>::max();
    for (const int fallback : {-777, 0, std::numeric_limits<int>::min()}) {
        if (fits)
            QCOMPARE(::intFromText(text, fallback), int(value));
        else
            QCOMPARE(::intFromText(text, fallback), fallback);
    }
}

void TestTextRules::int64FromText()
{
    QFETCH(QString, text);
    QFETCH(bool, readable);
    QFETCH(qint64, value);

    for (const std::int64_t fallback : {std::int64_t(-777), std::int64_t(0),
                                        std::numeric_limits<std::int64_t>::max()}) {
        QCOMPARE(::int64FromText(text, fallback), readable ? value : fallback);
    }
}

QTEST_GUILESS_MAIN(TestTextRules)
#include "tst_text_rules.moc"
