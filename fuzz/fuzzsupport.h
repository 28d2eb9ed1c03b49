// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What the fuzz targets share: one offscreen QApplication for the whole run in
// a private working folder (the editors create their profile folders there),
// a log of everything an editor reports, and the checks that a report names a
// field the editor owns, with an index and a value the controller accepts.

#include "editors/fulleffectsettingswidget.h"
#include "editors/gpioextensionwidget.h"
#include "editors/settingseditorwidget.h"
#include "settings/settingsrecords.h"

#include <QString>

#include <cstddef>
#include <cstdint>
#include <vector>

namespace fuzzsupport {

// Creates the application (platform "offscreen" unless QT_QPA_PLATFORM says
// otherwise) and makes a fresh temporary folder the working directory, so the
// editors built next create their profile folders there. Call once, from
// LLVMFuzzerInitialize, before any widget is built.
void initialise();
// Returns to the folder the run started in (libFuzzer reads its corpus and
// writes its findings relative to it) once the editors are built; they keep
// the absolute paths of their profile folders.
void leaveWorkFolder();
// The absolute path of a file or folder in the temporary working folder.
QString workPath(const QString &relative);

// Prints the message and aborts, so that libFuzzer keeps the input.
[[noreturn]] void fail(const char *format, ...) __attribute__((format(printf, 1, 2)));

// 64 bytes of the input from offset on, zero-padded where the input ends.
template <typename Record>
Record recordAt(const uint8_t *data, std::size_t size, std::size_t offset);

struct Report {
    enum Type { Int8, UInt8, Int16, UInt16, Float } type;
    int field;
    int index;
    long value; // a float report is never valid, so its value is not kept
};

// Collects every change signal of one editor, in order.
class ReportLog
{
public:
    explicit ReportLog(SettingsEditorWidget *editor);
    std::vector<Report> take();
    bool empty() const { return reports.empty(); }

private:
    std::vector<Report> reports;
};

enum class Editor { Effects, Periphery };

// Aborts unless every report names a field of that editor with the index,
// type and value range the controller takes for it, and no field and index
// is reported twice within one change of the whole record.
void checkReports(Editor editor, const std::vector<Report> &reports, const char *what);

// Aborts unless the values the reports carry, applied on top of what the
// editor showed before, give what it shows now: the controller ends up
// holding what the editor shows.
void checkEffectsFollowReports(const EffectSettingsTypeDef &before, const std::vector<Report> &reports,
                               const FullEffectSettingsWidget &editor, const char *what);
void checkPeripheryFollowsReports(const AdcExtensionSettingsTypeDef &adcBefore,
                                  const GpioExtensionSettingsTypeDef &gpioBefore, const std::vector<Report> &reports,
                                  const GpioExtensionWidget &editor, const char *what);

// Writes the bytes as the named profile file in the folder and picks the
// profile as a user does: types its name into the profile field and presses
// Enter.
void writeProfileAndPick(QWidget *editor, const QString &folder, const QString &name, const uint8_t *data,
                         std::size_t size);

} // namespace fuzzsupport

template <typename Record>
Record fuzzsupport::recordAt(const uint8_t *data, std::size_t size, std::size_t offset)
{
    static_assert(sizeof(Record) == SETTINGS_RECORD_SIZE);
    uint8_t bytes[SETTINGS_RECORD_SIZE] = {};
    for (std::size_t i = 0; i < SETTINGS_RECORD_SIZE && offset + i < size; ++i)
        bytes[i] = data[offset + i];
    Record record;
    static_assert(sizeof record == sizeof bytes);
    __builtin_memcpy(&record, bytes, sizeof record);
    return record;
}
