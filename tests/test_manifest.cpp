// SPDX-License-Identifier: GPL-3.0-or-later
// Reading the version manifest, the announce decision and the addresses the
// update check uses, as plain functions.

#include "update/addresses.h"
#include "update/manifest.h"

#include <QTest>

#include <cmath>
#include <limits>

using update::ManifestVersion;
using update::SkippedRelease;

namespace {

QByteArray manifestJson(const QByteArray &wheelMembers)
{
    return "{\"wheel\": {" + wheelMembers + "}}";
}

QByteArray wheel(const char *type, const QByteArray &major, const QByteArray &minor, const QByteArray &patch)
{
    return manifestJson("\"release_type\": \"" + QByteArray(type) + "\", \"release_major\": " + major
                        + ", \"release_minor\": " + minor + ", \"release_patch\": " + patch);
}

constexpr int32_t int32Max = std::numeric_limits<int32_t>::max();
constexpr int32_t int32Min = std::numeric_limits<int32_t>::min();

} // namespace

class ManifestTest : public QObject
{
    Q_OBJECT

private slots:
    void announceDecision_data();
    void announceDecision();
    void readingTable_data();
    void readingTable();
    void numbersAreTruncatedAndClamped();
    void bodySizeLimit();
    void manifestAddress_data();
    void manifestAddress();
};

void ManifestTest::announceDecision_data()
{
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<QString>("skippedType");
    QTest::addColumn<uint>("skippedMajor");
    QTest::addColumn<uint>("skippedMinor");
    QTest::addColumn<uint>("skippedPatch");
    QTest::addColumn<bool>("announce");
    QTest::addColumn<QString>("text");

    // Nothing skipped.
    QTest::newRow("RC 24.1.4 is this build") << wheel("RC", "24", "1", "4") << "" << 0u << 0u << 0u << false << "RC.24.1.4";
    QTest::newRow("RC 24.1.5") << wheel("RC", "24", "1", "5") << "" << 0u << 0u << 0u << true << "RC.24.1.5";
    QTest::newRow("RC 24.2.0") << wheel("RC", "24", "2", "0") << "" << 0u << 0u << 0u << true << "RC.24.2.0";
    QTest::newRow("RC 25.0.0") << wheel("RC", "25", "0", "0") << "" << 0u << 0u << 0u << true << "RC.25.0.0";
    QTest::newRow("RC 23.5.0 is older") << wheel("RC", "23", "5", "0") << "" << 0u << 0u << 0u << false << "RC.23.5.0";
    QTest::newRow("RC 24.0.9 is older") << wheel("RC", "24", "0", "9") << "" << 0u << 0u << 0u << false << "RC.24.0.9";
    QTest::newRow("R 24.1.4 is newer than RC 24.1.4")
        << wheel("R", "24", "1", "4") << "" << 0u << 0u << 0u << true << "R.24.1.4";
    QTest::newRow("R 24.1.3 is older") << wheel("R", "24", "1", "3") << "" << 0u << 0u << 0u << false << "R.24.1.3";

    // After skipping R 25.0.0.
    QTest::newRow("skipped R 25.0.0, offered again") << wheel("R", "25", "0", "0") << "R" << 25u << 0u << 0u << false
                                                     << "R.25.0.0";
    QTest::newRow("skipped R 25.0.0, R 25.0.1") << wheel("R", "25", "0", "1") << "R" << 25u << 0u << 0u << true
                                                << "R.25.0.1";
    QTest::newRow("skipped R 25.0.0, R 25.0.5") << wheel("R", "25", "0", "5") << "R" << 25u << 0u << 0u << true
                                                << "R.25.0.5";
    QTest::newRow("skipped R 25.0.0, R 26.0.0") << wheel("R", "26", "0", "0") << "R" << 25u << 0u << 0u << true
                                                << "R.26.0.0";
    QTest::newRow("skipped R 25.0.0, RC 25.0.0") << wheel("RC", "25", "0", "0") << "R" << 25u << 0u << 0u << false
                                                 << "RC.25.0.0";
    QTest::newRow("skipped R 25.0.0, R 24.9.9") << wheel("R", "24", "9", "9") << "R" << 25u << 0u << 0u << false
                                                << "R.24.9.9";
    QTest::newRow("skipped RC 24.1.5, R 24.1.5") << wheel("R", "24", "1", "5") << "RC" << 24u << 1u << 5u << true
                                                 << "R.24.1.5";
    QTest::newRow("skipped RC 24.1.5, RC 24.1.5") << wheel("RC", "24", "1", "5") << "RC" << 24u << 1u << 5u << false
                                                  << "RC.24.1.5";
    QTest::newRow("skip older than this build does not lower the bar")
        << wheel("RC", "24", "1", "4") << "R" << 1u << 0u << 0u << false << "RC.24.1.4";
    QTest::newRow("skip entry of unknown type skips nothing")
        << wheel("R", "25", "0", "0") << "X" << 99u << 0u << 0u << true << "R.25.0.0";
    QTest::newRow("skip numbers beyond int32") << wheel("R", "99", "0", "0") << "R" << 4000000000u << 0u << 0u << false
                                               << "R.99.0.0";

    // Release types other than "R" and "RC" announce nothing.
    QTest::newRow("empty type, nothing skipped") << wheel("", "99", "0", "0") << "" << 0u << 0u << 0u << false << "";
    QTest::newRow("empty type, R skipped") << wheel("", "99", "0", "0") << "R" << 25u << 0u << 0u << false << "";
    QTest::newRow("lower-case r") << wheel("r", "99", "0", "0") << "" << 0u << 0u << 0u << false << "";
    QTest::newRow("other type") << wheel("beta", "99", "0", "0") << "" << 0u << 0u << 0u << false << "";
    QTest::newRow("type with Markdown") << wheel("RC](https://x.example)", "99", "0", "0") << "" << 0u << 0u << 0u
                                        << false << "";
    QTest::newRow("type is a number") << manifestJson("\"release_type\": 1, \"release_major\": 99") << "" << 0u << 0u
                                      << 0u << false << "";

    // Broken manifests.
    QTest::newRow("invalid JSON") << QByteArray("{\"wheel\": {\"release_type\": \"R\", ") << "" << 0u << 0u << 0u
                                  << false << "";
    QTest::newRow("empty body") << QByteArray() << "" << 0u << 0u << 0u << false << "";
    QTest::newRow("array document") << QByteArray("[{\"wheel\": {}}]") << "" << 0u << 0u << 0u << false << "";
    QTest::newRow("no wheel object") << QByteArray("{\"release_type\": \"R\", \"release_major\": 99}") << "" << 0u
                                     << 0u << 0u << false << "";
    QTest::newRow("wheel is a string") << QByteArray("{\"wheel\": \"R.99.0.0\"}") << "" << 0u << 0u << 0u << false
                                       << "";
    QTest::newRow("only type and major") << manifestJson("\"release_type\": \"RC\", \"release_major\": 25") << "" << 0u
                                         << 0u << 0u << true << "RC.25.0.0";
    QTest::newRow("numbers as strings read as 0") << wheel("R", "\"99\"", "\"1\"", "\"1\"") << "" << 0u << 0u << 0u
                                                  << false << "R.0.0.0";
    QTest::newRow("24.9 truncates to 24") << wheel("RC", "24.9", "1.99", "5.5") << "" << 0u << 0u << 0u << true
                                          << "RC.24.1.5";
    QTest::newRow("24.9.1.4 truncates to this build") << wheel("RC", "24.9", "1", "4") << "" << 0u << 0u << 0u << false
                                                      << "RC.24.1.4";
    QTest::newRow("1e300 clamps") << wheel("RC", "1e300", "0", "0") << "" << 0u << 0u << 0u << true
                                  << "RC.2147483647.0.0";
    QTest::newRow("2^31 clamps") << wheel("R", "2147483648", "0", "0") << "" << 0u << 0u << 0u << true
                                 << "R.2147483647.0.0";
    QTest::newRow("negative minor is no version") << wheel("R", "25", "-1", "0") << "" << 0u << 0u << 0u << false
                                                  << "";
    QTest::newRow("-1e300 is no version") << wheel("R", "-1e300", "0", "0") << "" << 0u << 0u << 0u << false << "";
    QTest::newRow("-0.5 truncates to 0") << wheel("R", "25", "-0.5", "0") << "" << 0u << 0u << 0u << true
                                         << "R.25.0.0";
}

void ManifestTest::announceDecision()
{
    QFETCH(QByteArray, body);
    QFETCH(QString, skippedType);
    QFETCH(uint, skippedMajor);
    QFETCH(uint, skippedMinor);
    QFETCH(uint, skippedPatch);
    QFETCH(bool, announce);
    QFETCH(QString, text);

    const ManifestVersion manifest = update::readManifest(body);
    const SkippedRelease skipped{skippedType, skippedMajor, skippedMinor, skippedPatch};
    QCOMPARE(update::shouldAnnounce(manifest, skipped), announce);
    QCOMPARE(update::versionText(manifest), text);
}

void ManifestTest::readingTable_data()
{
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<QString>("type");
    QTest::addColumn<int>("major");
    QTest::addColumn<int>("minor");
    QTest::addColumn<int>("patch");
    QTest::addColumn<bool>("valid");

    QTest::newRow("complete") << wheel("R", "25", "0", "1") << "R" << 25 << 0 << 1 << true;
    QTest::newRow("other members ignored")
        << QByteArray("{\"tool\": {\"release_major\": 7}, \"wheel\": {\"release_type\": \"RC\", \"release_major\": 3, "
                      "\"release_minor\": 2, \"release_patch\": 1, \"notes\": \"x\"}}")
        << "RC" << 3 << 2 << 1 << true;
    QTest::newRow("unknown type kept as text") << wheel("beta", "1", "2", "3") << "beta" << 1 << 2 << 3 << false;
    QTest::newRow("type of another JSON type") << manifestJson("\"release_type\": [\"R\"], \"release_major\": 2") << ""
                                               << 2 << 0 << 0 << false;
    QTest::newRow("numbers of other JSON types")
        << manifestJson("\"release_type\": \"R\", \"release_major\": true, \"release_minor\": null, "
                        "\"release_patch\": {}")
        << "R" << 0 << 0 << 0 << true;
    QTest::newRow("empty wheel") << manifestJson("") << "" << 0 << 0 << 0 << false;
    QTest::newRow("truncation toward zero") << wheel("R", "24.9", "-0.9", "0.1") << "R" << 24 << 0 << 0 << true;
    QTest::newRow("limits") << wheel("R", "2147483647", "-2147483648", "-2147483649") << "R" << int32Max << int32Min
                            << int32Min << false;
    QTest::newRow("far out of range") << wheel("R", "1e300", "-1e300", "4294967296") << "R" << int32Max << int32Min
                                      << int32Max << false;
    QTest::newRow("invalid JSON") << QByteArray("wheel: R 25.0.1") << "" << 0 << 0 << 0 << false;
}

void ManifestTest::readingTable()
{
    QFETCH(QByteArray, body);
    QFETCH(QString, type);
    QFETCH(int, major);
    QFETCH(int, minor);
    QFETCH(int, patch);
    QFETCH(bool, valid);

    const ManifestVersion manifest = update::readManifest(body);
    QCOMPARE(manifest.releaseType, type);
    QCOMPARE(manifest.major, major);
    QCOMPARE(manifest.minor, minor);
    QCOMPARE(manifest.patch, patch);
    QCOMPARE(manifest.valid, valid);
}

void ManifestTest::numbersAreTruncatedAndClamped()
{
    // What JSON can hold is in the tables above; the rest must not reach a cast either.
    QCOMPARE(update::toInt32Clamped(2147483647.9), int32Max);
    QCOMPARE(update::toInt32Clamped(-2147483648.9), int32Min);
    QCOMPARE(update::toInt32Clamped(std::numeric_limits<double>::max()), int32Max);
    QCOMPARE(update::toInt32Clamped(-std::numeric_limits<double>::max()), int32Min);
    QCOMPARE(update::toInt32Clamped(std::numeric_limits<double>::infinity()), 0);
    QCOMPARE(update::toInt32Clamped(-std::numeric_limits<double>::infinity()), 0);
    QCOMPARE(update::toInt32Clamped(std::nan("")), 0);
}

void ManifestTest::bodySizeLimit()
{
    // Whitespace pads a valid manifest of a newer release to the exact size.
    const auto padded = [](qsizetype size) {
        QByteArray body = wheel("R", "99", "0", "0");
        body.append(QByteArray(size - body.size(), ' '));
        return body;
    };
    const QByteArray atLimit = padded(update::MAX_MANIFEST_SIZE);
    QCOMPARE(atLimit.size(), 64 * 1024);
    QVERIFY(update::readManifest(atLimit).valid);
    QVERIFY(update::shouldAnnounce(update::readManifest(atLimit), {}));

    for (const qsizetype size : {update::MAX_MANIFEST_SIZE + 1, qsizetype(1024 * 1024)}) {
        const ManifestVersion tooLarge = update::readManifest(padded(size));
        QVERIFY(!tooLarge.valid);
        QCOMPARE(tooLarge.releaseType, QString());
        QCOMPARE(tooLarge.major, 0);
        QVERIFY(!update::shouldAnnounce(tooLarge, {}));
    }
}

void ManifestTest::manifestAddress_data()
{
    QTest::addColumn<QString>("environment");
    QTest::addColumn<bool>("used");

    QTest::newRow("unset") << "" << false;
    QTest::newRow("https elsewhere") << "https://mirror.example/assets/firmware/version.json" << true;
    QTest::newRow("http to 127.0.0.1") << "http://127.0.0.1:8080/assets/firmware/version.json" << true;
    QTest::newRow("http to 127.3.2.1") << "http://127.3.2.1/assets/firmware/version.json" << true;
    QTest::newRow("http to localhost") << "http://localhost:1/v.json" << true;
    QTest::newRow("http to ::1") << "http://[::1]:1/v.json" << true;
    QTest::newRow("http elsewhere") << "http://mirror.example/assets/firmware/version.json" << false;
    QTest::newRow("http to a private address") << "http://192.168.1.1/v.json" << false;
    QTest::newRow("loopback-looking host name") << "http://127.0.0.1.example/v.json" << false;
    QTest::newRow("ftp to loopback") << "ftp://127.0.0.1/v.json" << false;
    QTest::newRow("file") << "file:///etc/passwd" << false;
    QTest::newRow("not an address") << "not an address" << false;
}

void ManifestTest::manifestAddress()
{
    QFETCH(QString, environment);
    QFETCH(bool, used);

    const QUrl configured = update::configuredManifestUrl();
    QVERIFY(update::isSecureWebAddress(configured));
    QVERIFY(configured.path().endsWith(QLatin1String("/assets/firmware/version.json")));
    QVERIFY(update::isSecureWebAddress(update::downloadsPageUrl()));

    const QUrl chosen = update::manifestUrl(environment);
    QCOMPARE(chosen, used ? QUrl(environment) : configured);
}

QTEST_MAIN(ManifestTest)
#include "test_manifest.moc"
