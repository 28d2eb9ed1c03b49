// SPDX-License-Identifier: GPL-3.0-or-later
// The frame builders and version texts, without a controller.

#include "device/devicereports.h"

#include <QTest>

#include <algorithm>
#include <iterator>

class WireContractTest : public QObject
{
    Q_OBJECT

private slots:
    void buildersWriteOnlyHeaderAndValueBytes();
    void versionTexts();
};

void WireContractTest::buildersWriteOnlyHeaderAndValueBytes()
{
    // The builders are handed a zeroed frame; they must not clear what lies
    // beyond their value either.
    // Returns the header and value bytes in hex, or "touched" when a byte
    // after the value changed.
    const auto built = [](auto build, int valueWidth) {
        HidInOutReportTypeDef report;
        report.report_id = report.command = 0xEE;
        std::fill(std::begin(report.data), std::end(report.data), 0xEE);
        build(&report);
        const QByteArray bytes(reinterpret_cast<const char *>(&report), sizeof report);
        if (bytes.mid(4 + valueWidth) != QByteArray(int(sizeof report) - 4 - valueWidth, char(0xEE)))
            return QByteArray("touched");
        return bytes.left(4 + valueWidth).toHex(' ');
    };
    QCOMPARE(built([](auto *r) { CreateInt8SettingsReport(r, 21, 0, -1); }, 1), QByteArray("a3 14 15 00 ff"));
    QCOMPARE(built([](auto *r) { CreateUInt8SettingsReport(r, 17, 3, 200); }, 1), QByteArray("a3 14 11 03 c8"));
    QCOMPARE(built([](auto *r) { CreateInt16SettingsReport(r, 9, 0, -2); }, 2), QByteArray("a3 14 09 00 fe ff"));
    QCOMPARE(built([](auto *r) { CreateUInt16SettingsReport(r, 24, 0, 4096); }, 2),
             QByteArray("a3 14 18 00 00 10"));
    QCOMPARE(built([](auto *r) { CreateFloatSettingsReport(r, 5, 0xFF, 1.0f); }, 4),
             QByteArray("a3 14 05 ff 00 00 80 3f"));
    QCOMPARE(built([](auto *r) { CreateFloatSettingsReport(r, 5, 0, -0.5f); }, 4),
             QByteArray("a3 14 05 00 00 00 00 bf"));
}

void WireContractTest::versionTexts()
{
    QCOMPARE(versionText({1, 24, 1, 4}), QStringLiteral("RC.24.1.4"));
    QCOMPARE(versionText({0, 25, 0, 1}), QStringLiteral("R.25.0.1"));
    QCOMPARE(versionText({2, 255, 0, 10}), QStringLiteral("R.255.0.10"));
    QVERIFY((FirmwareVersionTypeDef{1, 24, 1, 4}) == (FirmwareVersionTypeDef{1, 24, 1, 4}));
    QVERIFY((FirmwareVersionTypeDef{0, 24, 1, 4}) != (FirmwareVersionTypeDef{1, 24, 1, 4}));
}

QTEST_APPLESS_MAIN(WireContractTest)
#include "test_wirecontract.moc"
