// SPDX-License-Identifier: GPL-3.0-or-later
// Overlapping layers over the controller's settings: two wrappers A and B
// that end in either order, a field changed by hand meanwhile, and a layer
// whose apply was cut short. Each end is checked by the writes it plans.

#include "settings/settingslayers.h"

#include <QTest>

#include <cstring>

namespace {

int fieldIndex(const char *key)
{
    const SettingsField *field = findSettingsField(QString::fromLatin1(key));
    return field ? int(field - settingsFields().constData()) : -1;
}

void set(ControllerSettings *settings, const FieldValues &values)
{
    for (auto it = values.cbegin(); it != values.cend(); ++it)
        setRecordValue(settings, settingsFields()[it.key()], it.value());
}

QStringList describe(const QVector<SettingsWrite> &writes)
{
    QStringList lines;
    for (const SettingsWrite &write : writes)
        lines.append(QStringLiteral("%1=%2").arg(QLatin1String(findSettingsField(write.field, write.index)->key))
                         .arg(write.value));
    return lines;
}

class SettingsLayersTest : public QObject
{
    Q_OBJECT

private slots:
    void endsInAnyOrder_data();
    void endsInAnyOrder();
};

void SettingsLayersTest::endsInAnyOrder_data()
{
    QTest::addColumn<QStringList>("endOrder");
    QTest::addColumn<int>("scaleByHand");    // set while both run; -1 for none
    QTest::addColumn<bool>("bCutShort");     // the controller left after B's first write
    QTest::addColumn<QStringList>("firstEnd");
    QTest::addColumn<QStringList>("lastEnd");

    // Base: range 900, scale 100, dampening 0. A: range 540, scale 80. B: range 720, dampening 10.
    QTest::newRow("A ends first") << QStringList{"A", "B"} << -1 << false
                                  << QStringList{"effects.total_effect_scale=100"}
                                  << QStringList{"effects.motion_range=900", "effects.static_dampening=0"};
    QTest::newRow("B ends first") << QStringList{"B", "A"} << -1 << false
                                  << QStringList{"effects.motion_range=540", "effects.static_dampening=0"}
                                  << QStringList{"effects.motion_range=900", "effects.total_effect_scale=100"};
    QTest::newRow("hand change kept, A first") << QStringList{"A", "B"} << 55 << false << QStringList{}
                                               << QStringList{"effects.motion_range=900", "effects.static_dampening=0"};
    QTest::newRow("hand change kept, B first") << QStringList{"B", "A"} << 55 << false
                                               << QStringList{"effects.motion_range=540", "effects.static_dampening=0"}
                                               << QStringList{"effects.motion_range=900"};
    // B holds only the range: its dampening never arrived and is not B's to put back.
    QTest::newRow("B cut short, B first") << QStringList{"B", "A"} << -1 << true
                                          << QStringList{"effects.motion_range=540"}
                                          << QStringList{"effects.motion_range=900", "effects.total_effect_scale=100"};
    QTest::newRow("B cut short, A first") << QStringList{"A", "B"} << -1 << true
                                          << QStringList{"effects.total_effect_scale=100"}
                                          << QStringList{"effects.motion_range=900"};
}

void SettingsLayersTest::endsInAnyOrder()
{
    QFETCH(QStringList, endOrder);
    QFETCH(int, scaleByHand);
    QFETCH(bool, bCutShort);
    QFETCH(QStringList, firstEnd);
    QFETCH(QStringList, lastEnd);
    const int range = fieldIndex("effects.motion_range");
    const int scale = fieldIndex("effects.total_effect_scale");
    const int dampening = fieldIndex("effects.static_dampening");
    QVERIFY(range >= 0 && scale >= 0 && dampening >= 0);

    ControllerSettings controller{};
    set(&controller, {{range, 900}, {scale, 100}, {dampening, 0}});
    const ControllerSettings base = controller;
    SettingsLayers layers;

    const FieldValues a{{range, 540}, {scale, 80}};
    ControllerSettings before = controller;
    set(&controller, a);
    layers.push(QStringLiteral("A"), before, reachedValues(a, controller));

    const FieldValues b{{range, 720}, {dampening, 10}};
    before = controller;
    set(&controller, bCutShort ? FieldValues{{range, 720}} : b);
    QCOMPARE(unreachedKeys(b, controller),
             bCutShort ? QStringList{"effects.static_dampening"} : QStringList{});
    layers.push(QStringLiteral("B"), before, reachedValues(b, controller));
    QCOMPARE(layers.names(), (QStringList{"A", "B"}));

    if (scaleByHand >= 0)
        set(&controller, {{scale, scaleByHand}});

    ControllerSettings target = layers.end(endOrder[0], controller);
    QCOMPARE(describe(writesBetween(controller, target)), firstEnd);
    controller = target;
    target = layers.end(endOrder[1], controller);
    QCOMPARE(describe(writesBetween(controller, target)), lastEnd);
    QVERIFY(layers.isEmpty());

    // Nothing but the hand change remains of the layers.
    ControllerSettings expected = base;
    if (scaleByHand >= 0)
        set(&expected, {{scale, scaleByHand}});
    QVERIFY(writesBetween(target, expected).isEmpty());
    QVERIFY(std::memcmp(&target, &expected, sizeof target) == 0);
    // An unknown or ended layer changes nothing.
    const ControllerSettings unchanged = layers.end(QStringLiteral("A"), target);
    QVERIFY(std::memcmp(&unchanged, &target, sizeof target) == 0);
}

} // namespace

QTEST_GUILESS_MAIN(SettingsLayersTest)
#include "test_settingslayers.moc"
