// SPDX-License-Identifier: GPL-3.0-or-later
// The simulated controller stands in for the hardware in every other test, so
// its bytes, timing and misuse detection have to be right.
#include "sim/simulated_controller.h"

#include <hidapi.h>

#include <QByteArray>
#include <QtTest>

#include <atomic>
#include <cerrno>
#include <cstring>
#include <thread>

#include <sys/stat.h>

using namespace vellox::sim;
using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

namespace {

constexpr uint8_t kSettingsRecords[] = {0x21, 0x22, 0xA1, 0xA2};

hid_device *openController()
{
    return hid_open_path(nodePath().c_str());
}

Frame settingsWrite(uint8_t field, int index, unsigned value, int width)
{
    Frame f{};
    f[0] = 0xA3;
    f[1] = 0x14;
    f[2] = field;
    f[3] = static_cast<uint8_t>(index);
    for (int i = 0; i < width; ++i)
        f[4 + static_cast<std::size_t>(i)] = static_cast<uint8_t>(value >> (8 * i));
    return f;
}

Frame command(uint8_t code)
{
    Frame f{};
    f[0] = 0xA3;
    f[1] = code;
    return f;
}

int write(hid_device *dev, const Frame &f)
{
    return hid_write(dev, f.data(), f.size());
}

int readFeature(hid_device *dev, uint8_t id, Frame &out)
{
    out.fill(0xEE);
    out[0] = id;
    return hid_get_feature_report(dev, out.data(), out.size());
}

QByteArray bytes(const uint8_t *data, std::size_t n)
{
    return QByteArray(reinterpret_cast<const char *>(data), static_cast<qsizetype>(n));
}

QByteArray recordBytes(uint8_t id)
{
    const Record r = record(id);
    return bytes(r.data(), r.size());
}

template <typename Change>
void setFault(Change change)
{
    Faults f;
    change(f);
    setFaults(f);
}

int enumerationLength(hid_device_info *list)
{
    int n = 0;
    for (; list; list = list->next)
        ++n;
    return n;
}

bool misuseContains(const char *text)
{
    for (const std::string &line : misuse())
        if (line.find(text) != std::string::npos)
            return true;
    return false;
}

template <typename Predicate>
bool waitFor(Predicate done, std::chrono::milliseconds limit)
{
    const auto until = Clock::now() + limit;
    while (!done()) {
        if (Clock::now() > until)
            return false;
        std::this_thread::sleep_for(1ms);
    }
    return true;
}

long long msSince(Clock::time_point t)
{
    return std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - t).count();
}

} // namespace

class SimulatorTest : public QObject {
    Q_OBJECT

    bool expectMisuse_ = false;

private slots:
    void init()
    {
        reset();
        expectMisuse_ = false;
    }

    // A simulator that cries wolf would make every application test fail.
    void cleanup()
    {
        if (!expectMisuse_) {
            const auto lines = misuse();
            QVERIFY2(lines.empty(), lines.empty() ? "" : lines.front().c_str());
        }
    }

    void enumeration()
    {
        hid_device_info *list = hid_enumerate(kVendorId, kProductId);
        QVERIFY(list);
        QCOMPARE(enumerationLength(list), 1);
        QCOMPARE(list->vendor_id, kVendorId);
        QCOMPARE(list->product_id, kProductId);
        QCOMPARE(list->interface_number, 0);
        QCOMPARE(QByteArray(list->path), QByteArray::fromStdString(nodePath()));
        QVERIFY(!list->serial_number);
        hid_free_enumeration(list);

        setEnumeration({{2, true}, {0, false}, {1, true}});
        list = hid_enumerate(0, 0);
        QCOMPARE(enumerationLength(list), 3);
        QCOMPARE(list->interface_number, 2);
        QVERIFY(list->path);
        QCOMPARE(list->next->interface_number, 0);
        QVERIFY(!list->next->path);
        QCOMPARE(list->next->next->interface_number, 1);
        QCOMPARE(QByteArray(list->next->next->path), QByteArray::fromStdString(nodePath(2)));
        hid_free_enumeration(list);

        list = hid_enumerate(kVendorId, 0);
        QCOMPARE(enumerationLength(list), 3);
        hid_free_enumeration(list);
        QVERIFY(!hid_enumerate(0x1234, kProductId));
        QVERIFY(!hid_enumerate(kVendorId, 0x0001));

        unplug();
        QVERIFY(!hid_enumerate(0, 0));
        plug();
        setEnumeration({});
        QVERIFY(!hid_enumerate(kVendorId, kProductId));
    }

    void openPath()
    {
        QVERIFY(!hid_open_path("/dev/hidraw0"));
        hid_device *first = openController();
        hid_device *second = openController();
        QVERIFY(first && second && first != second);
        QCOMPARE(QString::fromWCharArray(hid_error(nullptr)), QStringLiteral("Success"));

        Frame f;
        readFeature(second, 0x25, f);
        QCOMPARE(calls().back().handle, 2);

        setFault([](Faults &x) { x.failOpen = true; });
        QVERIFY(!openController());
        setFault([](Faults &x) { x.denyOpen = true; });
        errno = 0;
        QVERIFY(!openController());
        QCOMPARE(errno, EACCES);
        QCOMPARE(QString::fromWCharArray(hid_error(nullptr)), QStringLiteral("Permission denied"));
        setFaults({});
        QVERIFY(openController());
        unplug();
        QVERIFY(!openController());
    }

    // The node paths name real files whose mode bits say what opening does:
    // access() on them answers as it would for a hidraw node.
    void nodeFilesCarryThePermission()
    {
        setEnumeration({{0, true}, {1, false}, {2, true}});
        const auto mode = [](int entry) {
            struct stat info {};
            return ::stat(nodePath(entry).c_str(), &info) == 0 ? int(info.st_mode & 0777) : -1;
        };
        QCOMPARE(mode(0), 0600);
        QCOMPARE(mode(1), -1);
        QCOMPARE(mode(2), 0600);
        setFault([](Faults &x) { x.denyOpen = true; });
        QCOMPARE(mode(0), 0);
        QCOMPARE(mode(2), 0);
        setFault([](Faults &x) { x.failOpen = true; });
        QCOMPARE(mode(0), 0600);
        setFaults({});
        QCOMPARE(mode(2), 0600);
    }

    void featureReadReturnsRecord_data()
    {
        QTest::addColumn<int>("id");
        QTest::addColumn<int>("offset");
        QTest::addColumn<QByteArray>("expected");
        // Offsets count from data[0], the report id.
        QTest::newRow("hardware: encoder cpr 4096, directions -1") << 0x21 << 1 << QByteArray::fromHex("00103c0014010002");
        QTest::newRow("hardware: directions, pole pairs") << 0x21 << 15 << QByteArray::fromHex("ffff07");
        QTest::newRow("effects: motion range 900") << 0x22 << 1 << QByteArray::fromHex("8403000032006400");
        QTest::newRow("effects: invert, direct-x") << 0x22 << 11 << QByteArray::fromHex("ff64646400");
        QTest::newRow("firmware RC.24.1.4") << 0x25 << 1 << QByteArray::fromHex("0118010400");
        QTest::newRow("gpio: pin 1 button") << 0xA1 << 1 << QByteArray::fromHex("0001" "000000000000000000" "0100"); // spi, 10 pins, button 1
        QTest::newRow("gpio: latch delay, pulse") << 0xA1 << 44 << QByteArray::fromHex("00000101");
        QTest::newRow("adc: thresholds") << 0xA2 << 16 << QByteArray::fromHex("14141450505000");
    }

    void featureReadReturnsRecord()
    {
        QFETCH(int, id);
        QFETCH(int, offset);
        QFETCH(QByteArray, expected);
        hid_device *dev = openController();
        Frame f;
        QCOMPARE(readFeature(dev, static_cast<uint8_t>(id), f), 65);
        QCOMPARE(int(f[0]), id);
        QCOMPARE(bytes(f.data() + offset, static_cast<std::size_t>(expected.size())), expected);
        QCOMPARE(bytes(f.data() + 1, 64), recordBytes(static_cast<uint8_t>(id)));
    }

    void featureReadFaults()
    {
        hid_device *dev = openController();
        Record pattern{};
        for (std::size_t i = 0; i < pattern.size(); ++i)
            pattern[i] = static_cast<uint8_t>(i + 1);
        setRecord(0xA2, pattern);

        Frame f;
        QCOMPARE(readFeature(dev, 0xA2, f), 65);
        QCOMPARE(bytes(f.data() + 1, 64), bytes(pattern.data(), 64));
        QCOMPARE(readFeature(dev, 0x30, f), -1);
        QCOMPARE(readFeature(dev, 0x01, f), -1);

        setFault([](Faults &x) { x.shortFeatureReads = true; });
        QCOMPARE(readFeature(dev, 0xA2, f), 9);
        QCOMPARE(bytes(f.data() + 1, 8), bytes(pattern.data(), 8));
        QCOMPARE(int(f[9]), 0xEE);

        setFault([](Faults &x) { x.failFeatureReads = true; });
        QCOMPARE(readFeature(dev, 0xA2, f), -1);

        // A short buffer is filled only as far as it goes (ASan guards the end).
        setFaults({});
        std::vector<uint8_t> small{0xA2, 0, 0, 0, 0};
        QCOMPARE(hid_get_feature_report(dev, small.data(), small.size()), 5);
        QCOMPARE(bytes(small.data() + 1, 4), bytes(pattern.data(), 4));
    }

    void settingsWriteLandsInRecord_data()
    {
        QTest::addColumn<int>("field");
        QTest::addColumn<int>("index");
        QTest::addColumn<uint>("value");
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("id");
        QTest::addColumn<int>("offset");
        QTest::addColumn<QByteArray>("expected");
        QTest::newRow("invert constant force -1") << 0 << 0 << 0xFFu << 1 << 0x22 << 10 << QByteArray("\xff", 1);
        QTest::newRow("motion range 1080") << 5 << 0 << 1080u << 2 << 0x22 << 0 << QByteArray::fromHex("3804");
        QTest::newRow("soft stop dampening") << 9 << 0 << 0x0102u << 2 << 0x22 << 4 << QByteArray::fromHex("0201");
        QTest::newRow("integrated spring") << 43 << 0 << 7u << 1 << 0x22 << 7 << QByteArray::fromHex("07");
        QTest::newRow("encoder cpr 4096") << 24 << 0 << 4096u << 2 << 0x21 << 0 << QByteArray::fromHex("0010");
        QTest::newRow("i gain") << 26 << 0 << 300u << 2 << 0x21 << 2 << QByteArray::fromHex("2c01");
        QTest::newRow("p gain") << 25 << 0 << 9u << 1 << 0x21 << 4 << QByteArray::fromHex("09");
        QTest::newRow("encoder direction -1") << 21 << 0 << 0xFFu << 1 << 0x21 << 14 << QByteArray("\xff", 1);
        QTest::newRow("pole pairs") << 23 << 0 << 11u << 1 << 0x21 << 16 << QByteArray::fromHex("0b");
        QTest::newRow("gpio mode, pin 4") << 28 << 3 << 2u << 1 << 0xA1 << 4 << QByteArray::fromHex("02");
        QTest::newRow("button mode, last") << 29 << 31 << 1u << 1 << 0xA1 << 42 << QByteArray::fromHex("01");
        QTest::newRow("pulse length") << 33 << 0 << 5u << 1 << 0xA1 << 46 << QByteArray::fromHex("05");
        QTest::newRow("adc minimum, axis 3") << 34 << 2 << 0x1234u << 2 << 0xA2 << 4 << QByteArray::fromHex("3412");
        QTest::newRow("adc maximum, axis 2") << 35 << 1 << 0xABCDu << 2 << 0xA2 << 8 << QByteArray::fromHex("cdab");
        QTest::newRow("threshold high, axis 3") << 37 << 2 << 90u << 1 << 0xA2 << 20 << QByteArray::fromHex("5a");
    }

    // Records start zeroed, so any byte written to the wrong place shows up.
    void settingsWriteLandsInRecord()
    {
        QFETCH(int, field);
        QFETCH(int, index);
        QFETCH(uint, value);
        QFETCH(int, width);
        QFETCH(int, id);
        QFETCH(int, offset);
        QFETCH(QByteArray, expected);
        for (uint8_t rid : kSettingsRecords)
            setRecord(rid, Record{});
        hid_device *dev = openController();
        QCOMPARE(write(dev, settingsWrite(static_cast<uint8_t>(field), index, value, width)), 65);

        Frame f;
        QCOMPARE(readFeature(dev, static_cast<uint8_t>(id), f), 65);
        QByteArray want(64, '\0');
        want.replace(offset, expected.size(), expected);
        QCOMPARE(bytes(f.data() + 1, 64), want);
        for (uint8_t rid : kSettingsRecords)
            if (rid != id)
                QCOMPARE(recordBytes(rid), QByteArray(64, '\0'));
    }

    void ignoredSettingsWrites()
    {
        QByteArray before;
        for (uint8_t rid : kSettingsRecords)
            before += recordBytes(rid);
        hid_device *dev = openController();
        const Frame frames[] = {
            settingsWrite(41, 1, 1, 1),   // reset button enable: no record field
            settingsWrite(99, 0, 5, 1),   // unknown field
            settingsWrite(28, 10, 5, 1),  // past the ten gpio pins
            settingsWrite(29, 32, 5, 1),  // past the 32 buttons
            settingsWrite(0, 1, 5, 1),    // scalar with an index
            settingsWrite(34, -1, 5, 2),  // negative index
        };
        for (const Frame &f : frames)
            QCOMPARE(write(dev, f), 65);
        QByteArray after;
        for (uint8_t rid : kSettingsRecords)
            after += recordBytes(rid);
        QCOMPARE(after, before);
        QCOMPARE(writtenFrames().size(), std::size(frames));
        QVERIFY(isPlugged());
    }

    void rebootRevertsUnsavedSettings()
    {
        setRebootDelay(100ms);
        hid_device *dev = openController();
        QCOMPARE(write(dev, settingsWrite(5, 0, 1080, 2)), 65);
        QCOMPARE(recordBytes(0x22).left(2), QByteArray::fromHex("3804"));
        // Re-centring leaves everything as it is.
        QCOMPARE(write(dev, command(0x04)), 65);
        QCOMPARE(recordBytes(0x22).left(2), QByteArray::fromHex("3804"));

        const auto rebooted = Clock::now();
        QCOMPARE(write(dev, command(0x01)), 65);
        QVERIFY(!isPlugged());
        QVERIFY(!hid_enumerate(0, 0));
        Frame f;
        QCOMPARE(readFeature(dev, 0x22, f), -1);
        QVERIFY(waitFor([] { return isPlugged(); }, 2s));
        QVERIFY(msSince(rebooted) >= 90);

        hid_device *again = openController();
        QVERIFY(again);
        QCOMPARE(readFeature(again, 0x22, f), 65);
        QCOMPARE(bytes(f.data() + 1, 2), QByteArray::fromHex("8403"));
        QCOMPARE(readFeature(dev, 0x22, f), -1); // the old handle stays dead
    }

    void saveKeepsSettings()
    {
        setRebootDelay(50ms);
        hid_device *dev = openController();
        QCOMPARE(write(dev, settingsWrite(24, 0, 2048, 2)), 65);
        QCOMPARE(write(dev, command(0x02)), 65);
        QVERIFY(!isPlugged());
        QVERIFY(waitFor([] { return isPlugged(); }, 2s));

        dev = openController();
        QCOMPARE(write(dev, command(0x01)), 65); // a plain reboot must not lose saved values
        QVERIFY(waitFor([] { return isPlugged(); }, 2s));
        dev = openController();
        Frame f;
        QCOMPARE(readFeature(dev, 0x21, f), 65);
        QCOMPARE(bytes(f.data() + 1, 2), QByteArray::fromHex("0008"));
    }

    void dfuStaysAwayUntilPlugged()
    {
        setRebootDelay(30ms);
        hid_device *dev = openController();
        QCOMPARE(write(dev, command(0x03)), 65);
        std::this_thread::sleep_for(120ms);
        QVERIFY(!isPlugged());
        QVERIFY(!hid_enumerate(kVendorId, kProductId));
        QVERIFY(!openController());
        plug();
        hid_device_info *list = hid_enumerate(kVendorId, kProductId);
        QVERIFY(list);
        hid_free_enumeration(list);
        QVERIFY(openController());
    }

    void unplugWakesWaitingRead()
    {
        setInputReportRate(0);
        hid_device *dev = openController();
        std::atomic<int> result{1};
        std::thread reader([&] {
            unsigned char buf[65];
            // Long enough to tell waking from timing out, short enough not to hang.
            result = hid_read_timeout(dev, buf, sizeof buf, 3000);
        });
        QVERIFY(waitFor([] { return callsInFlight() == 1; }, 2s));
        std::this_thread::sleep_for(20ms);
        QCOMPARE(result.load(), 1);
        const auto unplugged = Clock::now();
        unplug();
        reader.join();
        QCOMPARE(result.load(), -1);
        QVERIFY(msSince(unplugged) < 500);
        QCOMPARE(callsInFlight(), 0);

        plug();
        setInputReportRate(1000);
        unsigned char buf[65];
        Frame f;
        QCOMPARE(hid_read_timeout(dev, buf, sizeof buf, 0), -1);
        QCOMPARE(readFeature(dev, 0x21, f), -1);
        QCOMPARE(write(dev, command(0x04)), -1);
        hid_device *fresh = openController();
        QCOMPARE(hid_read_timeout(fresh, buf, sizeof buf, 100), 65);
    }

    void inputReportsAtOneKilohertz()
    {
        hid_device *dev = openController();
        unsigned char buf[80];
        const auto start = Clock::now();
        for (int i = 0; i < 50; ++i) {
            std::memset(buf, 0xEE, sizeof buf);
            QCOMPARE(hid_read_timeout(dev, buf, sizeof buf, 1000), 65);
            QCOMPARE(int(buf[0]), 0x01);
            QCOMPARE(bytes(buf + 1, 4), QByteArray::fromHex("01180104"));
            QCOMPARE(int(buf[65]), 0xEE);
        }
        const auto elapsed = msSince(start);
        QVERIFY2(elapsed >= 45 && elapsed < 1000, QByteArray::number(elapsed));

        setInputFirmwareVersion({0x00, 0x19, 0x02, 0x00});
        QCOMPARE(hid_read_timeout(dev, buf, sizeof buf, 1000), 65);
        QCOMPARE(bytes(buf + 1, 4), QByteArray::fromHex("00190200"));
        QCOMPARE(recordBytes(0x25).left(4), QByteArray::fromHex("01180104"));
        QCOMPARE(hid_read_timeout(dev, buf, 3, 1000), 3);
    }

    // Reports that nobody read are gone: after a pause there is one, not a backlog.
    void backlogIsDropped()
    {
        setInputReportRate(100);
        hid_device *dev = openController();
        unsigned char buf[65];
        QCOMPARE(hid_read_timeout(dev, buf, sizeof buf, 0), 65);
        QCOMPARE(hid_read_timeout(dev, buf, sizeof buf, 0), 0);
        std::this_thread::sleep_for(80ms);
        QCOMPARE(hid_read_timeout(dev, buf, sizeof buf, 0), 65);
        QCOMPARE(hid_read_timeout(dev, buf, sizeof buf, 0), 0);
        const auto start = Clock::now();
        QCOMPARE(hid_read_timeout(dev, buf, sizeof buf, 1000), 65);
        QVERIFY(msSince(start) >= 5);
    }

    void silentControllerTimesOut()
    {
        setInputReportRate(0);
        hid_device *dev = openController();
        unsigned char buf[65];
        auto start = Clock::now();
        QCOMPARE(hid_read_timeout(dev, buf, sizeof buf, 100), 0);
        const auto elapsed = msSince(start);
        QVERIFY2(elapsed >= 95 && elapsed < 1000, QByteArray::number(elapsed));

        setFault([](Faults &x) { x.failInputReads = true; });
        setInputReportRate(1000);
        start = Clock::now();
        QCOMPARE(hid_read_timeout(dev, buf, sizeof buf, 1000), -1);
        QVERIFY(msSince(start) < 100);
    }

    void overlappingCallsOnOneHandleAreFlagged()
    {
        expectMisuse_ = true;
        setFault([](Faults &x) { x.answerDelayMs = 80; });
        hid_device *dev = openController();
        auto readHardware = [dev] {
            Frame f;
            readFeature(dev, 0x21, f);
        };
        std::thread a(readHardware), b(readHardware);
        a.join();
        b.join();
        QVERIFY(misuseContains("same handle"));
    }

    void parallelCallsOnSeparateHandlesAreFine()
    {
        setFault([](Faults &x) { x.answerDelayMs = 80; });
        hid_device *one = openController();
        hid_device *two = openController();
        std::atomic<int> results{0};
        std::thread a([&] { Frame f; results += readFeature(one, 0x21, f); });
        std::thread b([&] { results += write(two, command(0x04)); });
        a.join();
        b.join();
        QCOMPARE(results.load(), 130);
    }

    void callsOnClosedHandleAreFlagged()
    {
        expectMisuse_ = true;
        hid_device *dev = openController();
        hid_close(dev);
        QVERIFY(misuse().empty());
        unsigned char buf[65];
        QCOMPARE(hid_read_timeout(dev, buf, sizeof buf, 0), -1);
        QVERIFY(misuseContains("closed handle 1"));
        QCOMPARE(write(dev, command(0x04)), -1);
        QVERIFY(writtenFrames().empty());
        hid_close(dev);
        QCOMPARE(misuse().size(), std::size_t(3));
    }

    void callsAfterExitAreFlagged()
    {
        expectMisuse_ = true;
        QCOMPARE(hid_init(), 0);
        QCOMPARE(hid_exit(), 0);
        QVERIFY(misuse().empty());
        hid_free_enumeration(hid_enumerate(0, 0));
        QVERIFY(misuseContains("after hid_exit"));
        const auto flagged = misuse().size();
        QCOMPARE(hid_init(), 0);
        hid_free_enumeration(hid_enumerate(0, 0));
        QVERIFY(openController());
        QCOMPARE(misuse().size(), flagged);
    }

    void globalCallDuringReadIsFlagged()
    {
        expectMisuse_ = true;
        setInputReportRate(0);
        hid_device *dev = openController();
        hid_device *other = openController();
        std::thread reader([dev] {
            unsigned char buf[65];
            hid_read_timeout(dev, buf, sizeof buf, 300);
        });
        QVERIFY(waitFor([] { return callsInFlight() == 1; }, 2s));
        QVERIFY(misuse().empty());
        hid_free_enumeration(hid_enumerate(0, 0));
        hid_close(other); // closing another handle is no safer
        reader.join();
        QVERIFY(misuseContains("hid_enumerate overlaps"));
        QVERIFY(misuseContains("hid_close overlaps"));
    }

    void callLogRecordsCallsAndThreads()
    {
        QCOMPARE(hid_init(), 0);
        hid_device *dev = openController();
        const Frame frame = settingsWrite(5, 0, 720, 2);
        std::thread::id workerId;
        std::thread worker([&] {
            workerId = std::this_thread::get_id();
            write(dev, frame);
        });
        worker.join();
        Frame f;
        readFeature(dev, 0x22, f);
        unsigned char buf[65];
        hid_read_timeout(dev, buf, sizeof buf, 250);
        setFault([](Faults &x) { x.failWrites = true; });
        QCOMPARE(write(dev, command(0x04)), -1);

        const auto log = calls();
        QCOMPARE(log.size(), std::size_t(6));
        QCOMPARE(log[0].call, HidCall::Init);
        QCOMPARE(log[1].call, HidCall::OpenPath);
        QCOMPARE(log[1].result, 1);
        QCOMPARE(log[2].call, HidCall::Write);
        QCOMPARE(log[2].thread, workerId);
        QVERIFY(log[2].thread != std::this_thread::get_id());
        QCOMPARE(log[2].handle, 1);
        QCOMPARE(log[2].result, 65);
        QCOMPARE(bytes(log[2].data.data(), log[2].data.size()), bytes(frame.data(), frame.size()));
        QCOMPARE(log[3].call, HidCall::GetFeatureReport);
        QCOMPARE(log[3].argument, 0x22);
        QCOMPARE(log[3].data.size(), std::size_t(65));
        QCOMPARE(int(log[3].data[0]), 0x22);
        QCOMPARE(log[3].thread, std::this_thread::get_id());
        QCOMPARE(log[4].call, HidCall::ReadTimeout);
        QCOMPARE(log[4].argument, 250);
        QCOMPARE(log[5].result, -1);
        for (std::size_t i = 1; i < log.size(); ++i)
            QVERIFY(log[i - 1].begin <= log[i].begin && log[i].begin <= log[i].end);

        // Only the write that got through counts as written.
        const auto frames = writtenFrames();
        QCOMPARE(frames.size(), std::size_t(1));
        QVERIFY(frames[0] == frame);
        clearLog();
        QVERIFY(calls().empty() && writtenFrames().empty());
    }

    // Device threads hammer their own handles while the test steers the
    // simulator; the thread sanitizer build turns any data race into a failure.
    void concurrentUseIsSafe()
    {
        setInputReportRate(5000);
        hid_device *devs[3] = {openController(), openController(), openController()};
        std::atomic<int> failures{0};
        std::atomic<bool> stop{false};
        std::vector<std::thread> threads;
        for (hid_device *dev : devs)
            threads.emplace_back([&, dev] {
                unsigned char buf[65];
                for (int i = 0; i < 150; ++i) {
                    Frame f;
                    if (readFeature(dev, kSettingsRecords[i % 4], f) != 65
                        || write(dev, settingsWrite(27, 0, static_cast<unsigned>(i), 1)) != 65
                        || hid_read_timeout(dev, buf, sizeof buf, 100) != 65)
                        ++failures;
                }
            });
        std::thread steering([&] {
            while (!stop) {
                setRecord(0xA2, record(0xA1)); // 0xA1 is being written, 0xA2 read
                (void)calls();
                (void)misuse();
                setInputFirmwareVersion({1, 2, 3, 4});
            }
        });
        for (auto &t : threads)
            t.join();
        stop = true;
        steering.join();
        QCOMPARE(failures.load(), 0);
        QCOMPARE(writtenFrames().size(), std::size_t(450));
        QCOMPARE(callsInFlight(), 0);
    }

    void environmentSetsUpController()
    {
        qputenv("VELLOX_SIM_RATE_HZ", "0");
        qputenv("VELLOX_SIM_FIRMWARE", "0.25.3.9");
        qputenv("VELLOX_SIM_REBOOT_MS", "40");
        qputenv("VELLOX_SIM_DENY_OPEN", "1");
        qputenv("VELLOX_SIM_ANSWER_DELAY_MS", "not-a-number");
        qputenv("VELLOX_SIM_PLUG_AFTER_MS", "60");
        configureFromEnvironment();
        for (const char *name : {"VELLOX_SIM_RATE_HZ", "VELLOX_SIM_FIRMWARE", "VELLOX_SIM_REBOOT_MS",
                                 "VELLOX_SIM_DENY_OPEN", "VELLOX_SIM_ANSWER_DELAY_MS", "VELLOX_SIM_PLUG_AFTER_MS"})
            qunsetenv(name);

        QCOMPARE(recordBytes(0x25).left(4), QByteArray::fromHex("00190309"));
        QVERIFY(faults().denyOpen);
        QCOMPARE(faults().answerDelayMs, 0);
        QVERIFY(!isPlugged());
        QVERIFY(waitFor([] { return isPlugged(); }, 2s));
        setFaults({});
        hid_device *dev = openController();
        unsigned char buf[65];
        QCOMPARE(hid_read_timeout(dev, buf, sizeof buf, 30), 0);
        QCOMPARE(write(dev, command(0x01)), 65);
        QVERIFY(!isPlugged());
        std::this_thread::sleep_for(80ms); // well short of the default 300 ms
        QVERIFY(isPlugged());
    }

    // The long-run bench pulls the cable of a preloaded simulator this way:
    // every period the controller leaves the bus, kills open handles and
    // comes back by itself, again and again.
    void environmentUnplugsPeriodically()
    {
        qputenv("VELLOX_SIM_UNPLUG_EVERY_MS", "150");
        qputenv("VELLOX_SIM_UNPLUGGED_FOR_MS", "100");
        configureFromEnvironment();
        qunsetenv("VELLOX_SIM_UNPLUG_EVERY_MS");
        qunsetenv("VELLOX_SIM_UNPLUGGED_FOR_MS");

        hid_device *dev = openController();
        QVERIFY(dev);
        for (int cycle = 0; cycle < 2; ++cycle) {
            QVERIFY(waitFor([] { return !isPlugged(); }, 2s));
            unsigned char buf[65];
            QCOMPARE(hid_read_timeout(dev, buf, sizeof buf, 0), -1);
            QVERIFY(waitFor([] { return isPlugged(); }, 2s));
            hid_close(dev);
            dev = openController();
            QVERIFY(dev);
        }
        hid_close(dev);
    }
};

QTEST_APPLESS_MAIN(SimulatorTest)
#include "test_simulator.moc"
