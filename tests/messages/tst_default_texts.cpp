// SPDX-License-Identifier: MIT
// The built-in English texts: table order and the exact wording of representative entries.
#include "messages/default_texts.h"
#include "messages/messages.h"

#include <QTest>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

// Text of a number, or a null QString when the table has no entry for it.
QString builtInText(int number)
{
    const auto texts = defaultTexts();
    const auto it = std::lower_bound(texts.begin(), texts.end(), number,
                                     [](const DefaultText &entry, int n) { return entry.number < n; });
    if (it == texts.end() || it->number != number)
        return {};
    return QString::fromUtf16(it->text);
}

} // namespace

class TestDefaultTexts : public QObject
{
    Q_OBJECT

private slots:
    void tableIsAscendingAndInRange();
    void numbersWithoutTextAreAbsent();
    void text_data();
    void text();
};

void TestDefaultTexts::tableIsAscendingAndInRange()
{
    const auto texts = defaultTexts();
    QVERIFY(!texts.empty());
    int previous = -1;
    for (const DefaultText &entry : texts) {
        QVERIFY2(entry.number > previous, qPrintable(QString::number(entry.number)));
        QVERIFY(entry.number < Messages::Count);
        QVERIFY(entry.text != nullptr);
        // A blank entry is the catalogue's filler and has no place in the table.
        const QString text = QString::fromUtf16(entry.text);
        QVERIFY2(!text.isEmpty() && text != u" "_s, qPrintable(QString::number(entry.number)));
        previous = entry.number;
    }
}

void TestDefaultTexts::numbersWithoutTextAreAbsent()
{
    // Hidden buttons of other protocols, the hidden port fields, gaps inside and after the
    // used blocks, the last catalogue entry.
    for (int number : {28, 82, 629, 1504, 1812, 2892, 5599})
        QVERIFY2(builtInText(number).isNull(), qPrintable(QString::number(number)));
}

void TestDefaultTexts::text_data()
{
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("expected");

    QTest::newRow("first") << 0 << u"Begin"_s;
    QTest::newRow("trailing blank 9") << 9 << u"None Configuration Opened "_s;
    QTest::newRow("trailing blank 11") << 11 << u"Opened Configuration of the Converter : "_s;
    QTest::newRow("language label") << 304 << u"Selected Language : "_s;
    QTest::newRow("page prefix") << 305 << u"Page "_s;
    QTest::newRow("page separator") << 306 << u" / "_s;
    QTest::newRow("question joint") << 317 << u" to "_s;
    QTest::newRow("double blank format") << 1801
                                         << u"Error row %d!! [Variables] Position Read must be between %d and  %d"_s;
    QTest::newRow("typo kept") << 583 << u"SDO Client TimeOut (1/10 millisecons)"_s;
    QTest::newRow("step range") << 5 << u"Step 5"_s;
    QTest::newRow("ordinal range") << 615 << u"Insert Third byte of SubNet Mask"_s;
    QTest::newRow("header range") << 2823 << u"Add B5"_s;
    QTest::newRow("message range") << 2885 << u"!! [Transmit PDO] Address Byte4 must be between 0 and "_s;
    QTest::newRow("pair, second") << 3030 << u"Add Byte2"_s;
    QTest::newRow("in/out pair") << 1776 << u"Enable or Disable the Process Data"_s;
    QTest::newRow("derived byte 2") << 2945
                                    << u"Insert the position of array where place in byte 2 of CANopen SDO Request"_s;
    QTest::newRow("derived byte 8") << 2852
                                    << u"Insert the position of array where put the byte 8 of CANopen PDO frame"_s;
    QTest::newRow("same as other") << 2959 << u"Insert a description of the CANopen SDO Request"_s;
    QTest::newRow("last") << 3065 << u"Are you sure to delete the Row number "_s;
}

void TestDefaultTexts::text()
{
    QFETCH(int, number);
    QFETCH(QString, expected);
    QCOMPARE(builtInText(number), expected);
}

QTEST_APPLESS_MAIN(TestDefaultTexts)
#include "tst_default_texts.moc"
