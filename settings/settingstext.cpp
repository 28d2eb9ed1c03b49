// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/settingstext.h"

#include <QCoreApplication>
#include <QHash>
#include <QList>
#include <QStringDecoder>

namespace {

// Fixed texts of the format itself; they are never translated.
constexpr QLatin1String HEADER_PREFIX("# Vellox Wheel Setup settings: ");
constexpr QLatin1String FIRMWARE_PREFIX("# firmware:");
constexpr QLatin1String ON("on");
constexpr QLatin1String OFF("off");

bool isSwitchLike(const SettingsField &field)
{
    return field.control == SettingsControl::Switch || field.control == SettingsControl::Direction
        || field.control == SettingsControl::Invert;
}

std::optional<int> parseNumber(QStringView text)
{
    // Plain decimal digits with an optional minus: no blanks, signs, bases or
    // digit groups inside, and short enough that it cannot overflow.
    const QStringView digits = text.startsWith(u'-') ? text.mid(1) : text;
    if (digits.isEmpty() || digits.size() > 9)
        return std::nullopt;
    for (QChar c : digits) {
        if (c < u'0' || c > u'9')
            return std::nullopt;
    }
    bool ok = false;
    const int value = text.toInt(&ok, 10);
    return ok ? std::optional<int>(value) : std::nullopt;
}

QString quoted(QStringView text)
{
    return QStringLiteral("\"%1\"").arg(text);
}

QString outOfRange(const SettingsField &field, QStringView text)
{
    if (field.control == SettingsControl::Choice) {
        QStringList offered;
        for (int item = field.minimum; item <= field.maximum; ++item) {
            if (isOfferedState(field, item))
                offered.append(quoted(field.choices.at(item)));
        }
        return QCoreApplication::translate("SettingsText", "%1 is not offered for %2; it takes %3.")
            .arg(quoted(text), QLatin1String(field.key), offered.join(QStringLiteral(", ")));
    }
    return QCoreApplication::translate("SettingsText", "%1 is out of range for %2 (%3 to %4).")
        .arg(quoted(text), QLatin1String(field.key))
        .arg(field.minimum)
        .arg(field.maximum);
}

// The bytes split into lines without their line ends, each decoded on its own
// so that a fault names its line. Only the first line may start with a byte
// order mark.
struct DecodedLines {
    QStringList lines;
    int badLine = 0;
};

DecodedLines decodeLines(const QByteArray &bytes)
{
    DecodedLines decoded;
    const QList<QByteArray> rawLines = bytes.split('\n');
    for (qsizetype i = 0; i < rawLines.size(); ++i) {
        QByteArray raw = rawLines.at(i);
        if (raw.endsWith('\r'))
            raw.chop(1);
        QStringDecoder decoder(QStringDecoder::Utf8,
                               i == 0 ? QStringDecoder::Flag::Default : QStringDecoder::Flag::ConvertInitialBom);
        QString line = decoder.decode(raw);
        if (decoder.hasError()) {
            decoded.badLine = int(i) + 1;
            return decoded;
        }
        decoded.lines.append(line);
    }
    return decoded;
}

} // namespace

QString kindName(SettingsTextKind kind)
{
    switch (kind) {
    case SettingsTextKind::Effects:
        return QStringLiteral("effects");
    case SettingsTextKind::Periphery:
        return QStringLiteral("periphery");
    case SettingsTextKind::All:
        break;
    }
    return QStringLiteral("all");
}

std::optional<SettingsTextKind> kindFromName(QStringView name)
{
    for (SettingsTextKind kind : {SettingsTextKind::Effects, SettingsTextKind::Periphery, SettingsTextKind::All}) {
        if (name == kindName(kind))
            return kind;
    }
    return std::nullopt;
}

bool kindCovers(SettingsTextKind kind, SettingsRecord record)
{
    switch (kind) {
    case SettingsTextKind::Effects:
        return record == SettingsRecord::Effects;
    case SettingsTextKind::Periphery:
        return record == SettingsRecord::Adc || record == SettingsRecord::Gpio;
    case SettingsTextKind::All:
        break;
    }
    return true;
}

QString formatFieldValue(const SettingsField &field, int state)
{
    if (field.control == SettingsControl::Choice && state >= 0 && state < field.choices.size())
        return field.choices.at(state);
    if (isSwitchLike(field))
        return state != 0 ? ON : OFF;
    return QString::number(state);
}

QByteArray formatSettingsText(SettingsTextKind kind, const QString &firmwareVersionText,
                              const ControllerSettings &settings)
{
    QString text = HEADER_PREFIX + kindName(kind) + u'\n';
    if (!firmwareVersionText.isEmpty())
        text += FIRMWARE_PREFIX + u' ' + firmwareVersionText + u'\n';
    for (const SettingsField &field : settingsFields()) {
        if (!kindCovers(kind, field.record))
            continue;
        const int stored = recordValue(settings, field);
        const int state = shownState(field, stored);
        const QString key = QLatin1String(field.key);
        if (!isOfferedState(field, state)) {
            // The window shows no item, or one it does not offer for this
            // field; the text cannot carry it, so the line stays a comment and
            // applying the text leaves the field as the controller has it.
            text += QStringLiteral("# %1 = %2  # %3\n")
                        .arg(key, state < 0 ? QString::number(stored) : formatFieldValue(field, state),
                             QCoreApplication::translate("SettingsText", "not offered here; left as it is"));
            continue;
        }
        if (field.control == SettingsControl::Number && state != stored)
            text += QStringLiteral("# %1\n").arg(
                QCoreApplication::translate("SettingsText", "the controller holds %1; the window shows %2")
                    .arg(stored)
                    .arg(state));
        text += key + QStringLiteral(" = ") + formatFieldValue(field, state) + u'\n';
    }
    return text.toUtf8();
}

std::variant<int, QString> parseFieldValue(const SettingsField &field, QStringView text)
{
    const QStringView value = text.trimmed();
    if (value.isEmpty())
        return QCoreApplication::translate("SettingsText", "%1 has no value.").arg(QLatin1String(field.key));

    std::optional<int> state;
    if (field.control == SettingsControl::Choice) {
        const qsizetype item = field.choices.indexOf(value);
        if (item >= 0)
            state = int(item);
    } else if (isSwitchLike(field)) {
        if (value == ON)
            state = 1;
        else if (value == OFF)
            state = 0;
    }
    if (!state)
        state = parseNumber(value);
    if (!state) {
        if (field.control == SettingsControl::Choice)
            return outOfRange(field, value);
        if (isSwitchLike(field))
            return QCoreApplication::translate("SettingsText", "%1 takes \"on\" or \"off\", not %2.")
                .arg(QLatin1String(field.key), quoted(value));
        return QCoreApplication::translate("SettingsText", "%1 takes a number, not %2.")
            .arg(QLatin1String(field.key), quoted(value));
    }
    if (!isOfferedState(field, *state))
        return outOfRange(field, value);
    return *state;
}

std::variant<SettingsText, SettingsTextError> parseSettingsText(const QByteArray &bytes,
                                                                std::optional<SettingsTextKind> expectedKind)
{
    if (bytes.size() > MAX_SETTINGS_TEXT_SIZE)
        return SettingsTextError{
            0, QCoreApplication::translate("SettingsText", "The settings text is larger than 64 KiB.")};

    const DecodedLines decoded = decodeLines(bytes);
    if (decoded.badLine > 0)
        return SettingsTextError{decoded.badLine,
                                 QCoreApplication::translate("SettingsText", "The line is not valid UTF-8 text.")};
    const QStringList &lines = decoded.lines;

    const QStringView header = QStringView(lines.first()).trimmed();
    const std::optional<SettingsTextKind> kind
        = header.startsWith(HEADER_PREFIX) ? kindFromName(header.mid(HEADER_PREFIX.size()).trimmed()) : std::nullopt;
    if (!kind)
        return SettingsTextError{
            1,
            QCoreApplication::translate("SettingsText",
                                        "The first line must be \"%1effects\", \"%1periphery\" or \"%1all\".")
                .arg(HEADER_PREFIX)};
    if (expectedKind && *kind != *expectedKind)
        return SettingsTextError{
            1,
            QCoreApplication::translate("SettingsText", "These are %1 settings; %2 settings are expected here.")
                .arg(kindName(*kind), kindName(*expectedKind))};

    SettingsText text{*kind, QString(), {}};
    QHash<const SettingsField *, int> lineOf;
    for (qsizetype i = 1; i < lines.size(); ++i) {
        const int lineNumber = int(i) + 1;
        const QStringView line = QStringView(lines.at(i)).trimmed();
        if (line.isEmpty())
            continue;
        if (line.startsWith(u'#')) {
            if (lineNumber == 2 && line.startsWith(FIRMWARE_PREFIX))
                text.firmwareVersionText = line.mid(FIRMWARE_PREFIX.size()).trimmed().toString();
            continue;
        }
        const qsizetype equals = line.indexOf(u'=');
        const QStringView key = equals < 0 ? QStringView() : line.left(equals).trimmed();
        if (key.isEmpty())
            return SettingsTextError{lineNumber,
                                     QCoreApplication::translate("SettingsText", "Expected \"key = value\".")};
        const SettingsField *field = findSettingsField(key);
        if (!field)
            return SettingsTextError{lineNumber,
                                     QCoreApplication::translate("SettingsText", "Unknown key %1.").arg(quoted(key))};
        if (!kindCovers(*kind, field->record))
            return SettingsTextError{lineNumber,
                                     QCoreApplication::translate("SettingsText", "%1 does not belong in %2 settings.")
                                         .arg(QLatin1String(field->key), kindName(*kind))};
        if (const int earlier = lineOf.value(field); earlier > 0)
            return SettingsTextError{lineNumber,
                                     QCoreApplication::translate("SettingsText", "%1 is already set on line %2.")
                                         .arg(QLatin1String(field->key))
                                         .arg(earlier)};
        const std::variant<int, QString> value = parseFieldValue(*field, line.mid(equals + 1));
        if (const QString *error = std::get_if<QString>(&value))
            return SettingsTextError{lineNumber, *error};
        lineOf.insert(field, lineNumber);
        text.values.append({field, std::get<int>(value)});
    }
    return text;
}

void applySettingsText(const SettingsText &text, ControllerSettings *settings)
{
    for (const auto &[field, state] : text.values)
        setRecordValue(settings, *field, recordValueForState(*field, state));
}
