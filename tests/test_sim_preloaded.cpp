// SPDX-License-Identifier: GPL-3.0-or-later
// The preloaded build of the simulated controller, loaded as the application
// gets it: its hidapi entry points answer, its call log file gets a line per
// call, and its memory stays flat however long it runs, since nothing in such
// a process can ever read an in-memory record.
#include <hidapi.h>

#include <QByteArray>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <cstddef>

#include <dlfcn.h>
#include <malloc.h>

#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__)
// The sanitizers' allocator, which stands in for malloc's (its header is not
// installed with every compiler).
extern "C" std::size_t __sanitizer_get_current_allocated_bytes();
#endif

namespace {

std::size_t allocatedBytes()
{
#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__)
    return __sanitizer_get_current_allocated_bytes();
#else
    return mallinfo2().uordblks;
#endif
}

template <typename F>
F entry(void *library, const char *name)
{
    return reinterpret_cast<F>(dlsym(library, name));
}

} // namespace

class SimPreloadedTest : public QObject {
    Q_OBJECT

private slots:
    void recordsNothingInMemoryButLogsEveryCall()
    {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString logPath = dir.filePath("sim.log");
        // Read once, at the library's first hidapi call.
        qputenv("VELLOX_SIM_LOG", QFile::encodeName(logPath));
        qputenv("VELLOX_SIM_RATE_HZ", "100000");

        void *library = dlopen(VELLOX_SIM_PRELOAD_LIBRARY, RTLD_NOW | RTLD_LOCAL);
        QVERIFY2(library, dlerror());
        const auto init = entry<decltype(&hid_init)>(library, "hid_init");
        const auto enumerate = entry<decltype(&hid_enumerate)>(library, "hid_enumerate");
        const auto freeEnumeration = entry<decltype(&hid_free_enumeration)>(library, "hid_free_enumeration");
        const auto openPath = entry<decltype(&hid_open_path)>(library, "hid_open_path");
        const auto readTimeout = entry<decltype(&hid_read_timeout)>(library, "hid_read_timeout");
        const auto getFeature = entry<decltype(&hid_get_feature_report)>(library, "hid_get_feature_report");
        const auto write = entry<decltype(&hid_write)>(library, "hid_write");
        const auto close = entry<decltype(&hid_close)>(library, "hid_close");
        const auto exit = entry<decltype(&hid_exit)>(library, "hid_exit");
        QVERIFY(init && enumerate && freeEnumeration && openPath && readTimeout && getFeature && write && close && exit);

        QCOMPARE(init(), 0);
        hid_device_info *list = enumerate(0x045B, 0x59D7);
        QVERIFY(list && list->path);
        hid_device *dev = openPath(list->path);
        freeEnumeration(list);
        QVERIFY(dev);
        int calls = 4;

        // A connected window's traffic: mostly heartbeat reads, now and then
        // a settings write and a feature read.
        unsigned char report[65];
        unsigned char frame[65] = {0xA3, 0x14, 5, 0, 0x84, 0x03};
        int answered = 0;
        const auto traffic = [&](int rounds) {
            for (int i = 0; i < rounds; ++i) {
                answered += readTimeout(dev, report, sizeof report, 0) == 65;
                if (i % 50 == 0) {
                    QCOMPARE(write(dev, frame, sizeof frame), 65);
                    report[0] = 0x22;
                    QCOMPARE(getFeature(dev, report, sizeof report), 65);
                    calls += 2;
                }
                ++calls;
            }
        };
        traffic(2000);
        const std::size_t before = allocatedBytes();
        traffic(30000);
        const std::size_t after = allocatedBytes();
        close(dev);
        QCOMPARE(exit(), 0);
        calls += 2;
        QVERIFY(answered > 0);

        // Kept in memory, these 30600 calls took 1.5 MB (a record of about
        // 50 bytes each, plus the bytes of every answered report); 64 KB
        // leaves room for the allocator's own bookkeeping.
        const qint64 growth = qint64(after) - qint64(before);
        qInfo("allocated by 30600 calls: %lld bytes", growth);
        QVERIFY2(growth < 64 * 1024, qPrintable(QString("grew by %1 bytes").arg(growth)));

        QFile log(logPath);
        QVERIFY(log.open(QIODevice::ReadOnly));
        const QByteArray text = log.readAll();
        QCOMPARE(text.count('\n'), calls);
        QVERIFY(text.contains(" hid_write handle=1 arg=0 result=65 data=a3 14 05 00 84 03 "));
        QVERIFY(!text.contains("MISUSE"));
        QVERIFY(text.trimmed().split('\n').constLast().contains(" hid_exit handle=0 arg=0 result=0"));
    }
};

QTEST_APPLESS_MAIN(SimPreloadedTest)
#include "test_sim_preloaded.moc"
