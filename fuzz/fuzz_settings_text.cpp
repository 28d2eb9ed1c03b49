// SPDX-License-Identifier: GPL-3.0-or-later
// Settings text of any content, read as a settings file and as a profile file,
// and each of its lines read as the value of one field. Read text must never
// crash; a refused text must name a line within it; an accepted text, put into
// records and written out again, must read back to the same values.

#include "settings/profilefile.h"
#include "settings/settingstext.h"

#include <QByteArray>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

[[noreturn]] void fail(const char *what, const QByteArray &detail = QByteArray())
{
    std::fprintf(stderr, "%s\n%s\n", what, detail.constData());
    std::abort();
}

void checkRefusal(const SettingsTextError &error, const QByteArray &bytes)
{
    const qsizetype lines = bytes.count('\n') + 1;
    if (error.line < 0 || error.line > lines)
        fail("the error names a line outside the text", QByteArray::number(error.line));
    if (error.message.isEmpty())
        fail("the error says nothing");
}

void checkRoundTrip(const SettingsText &text)
{
    ControllerSettings settings{};
    applySettingsText(text, &settings);
    const QByteArray again = formatSettingsText(text.kind, text.firmwareVersionText, settings);
    const auto reread = parseSettingsText(again, text.kind);
    if (const auto *error = std::get_if<SettingsTextError>(&reread))
        fail("a formatted text was refused", again + "\n" + error->message.toUtf8());
    const SettingsText &back = std::get<SettingsText>(reread);
    if (back.firmwareVersionText != text.firmwareVersionText)
        fail("the firmware version text changed", again);
    ControllerSettings settingsBack{};
    applySettingsText(back, &settingsBack);
    for (const auto &[field, state] : text.values) {
        bool found = false;
        for (const auto &[otherField, otherState] : back.values) {
            if (otherField == field) {
                found = true;
                if (otherState != state)
                    fail("a value changed on the way through the records", field->key);
            }
        }
        if (!found)
            fail("a value got lost on the way through the records", field->key);
        if (recordValue(settingsBack, *field) != recordValue(settings, *field))
            fail("a record value changed", field->key);
    }
}

void checkFieldValues(const QByteArray &bytes)
{
    // Each line as the value of a field, as "--set KEY=VALUE" reads it.
    const QString text = QString::fromUtf8(bytes);
    const QVector<SettingsField> &fields = settingsFields();
    qsizetype n = 0;
    for (const QString &line : text.split(u'\n')) {
        const SettingsField &field = fields.at(n++ % fields.size());
        const std::variant<int, QString> value = parseFieldValue(field, line);
        if (const int *state = std::get_if<int>(&value)) {
            if (!isOfferedState(field, *state))
                fail("a value the window does not offer was accepted", field.key);
            const auto back = parseFieldValue(field, formatFieldValue(field, *state));
            if (!std::holds_alternative<int>(back) || std::get<int>(back) != *state)
                fail("a value does not read back as itself", field.key);
        } else if (std::get<QString>(value).isEmpty()) {
            fail("a refused value says nothing", field.key);
        }
        if (n > 64)
            break;
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));

    const auto parsed = parseSettingsText(bytes);
    if (const auto *error = std::get_if<SettingsTextError>(&parsed))
        checkRefusal(*error, bytes);
    else
        checkRoundTrip(std::get<SettingsText>(parsed));

    // As a profile file: the same verdict for text, and nothing read beyond the bytes for raw.
    const auto file = readProfileFile(bytes, std::nullopt, ControllerSettings{});
    if (const auto *error = std::get_if<SettingsTextError>(&file)) {
        checkRefusal(*error, bytes);
        if (std::holds_alternative<SettingsText>(parsed))
            fail("an accepted text was refused as a profile file");
    } else if (std::get<ProfileFile>(file).isText != std::holds_alternative<SettingsText>(parsed)) {
        fail("the profile file reading disagrees with the text reading");
    }

    if (size <= 4096)
        checkFieldValues(bytes);
    return 0;
}
