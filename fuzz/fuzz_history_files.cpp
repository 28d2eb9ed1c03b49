// SPDX-License-Identifier: GPL-3.0-or-later
// Any bytes as a snapshot file and as a restore journal. Nothing may crash; an
// accepted snapshot written out again must read back to the same values, and
// an accepted journal must hold only states the window offers and decide
// without touching anything.

#include "history/restorejournal.h"
#include "history/snapshot.h"

#include <QByteArray>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

[[noreturn]] void fail(const char *what)
{
    std::fprintf(stderr, "%s\n", what);
    std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));

    const auto snapshot = parseSnapshot(bytes);
    if (const Snapshot *s = std::get_if<Snapshot>(&snapshot)) {
        ControllerSettings settings;
        applySettingsText(s->settings, &settings);
        const QByteArray again = formatSnapshot(
            s->header, formatSettingsText(SettingsTextKind::All, s->settings.firmwareVersionText, settings));
        const auto reread = parseSnapshot(again);
        const Snapshot *r = std::get_if<Snapshot>(&reread);
        if (!r || r->header.id != s->header.id)
            fail("a snapshot written out again does not read back");
        ControllerSettings back;
        applySettingsText(r->settings, &back);
        for (const auto &[field, state] : s->settings.values) {
            if (shownState(*field, recordValue(back, *field)) != state)
                fail("a snapshot value changed on the way back");
        }
    } else if (std::get<QString>(snapshot).isEmpty()) {
        fail("a refused snapshot has no reason");
    }

    const auto journal = parseJournal(bytes);
    if (const RestoreJournal *j = std::get_if<RestoreJournal>(&journal)) {
        for (const JournalField &field : j->fields) {
            if (!isOfferedState(*field.field, field.before) || !isOfferedState(*field.field, field.applied))
                fail("a journal holds a state the window does not offer");
        }
        JournalContext context;
        context.bootId = j->bootId;
        context.controller = j->controller;
        context.firmwareVersionText = j->firmwareVersionText;
        context.ownerRunning = [](const JournalOwner &) { return false; };
        if (decideJournal(journal, context) == JournalVerdict::CompleteNow)
            journalRestoreTarget(*j, context.now);
    }
    return 0;
}
