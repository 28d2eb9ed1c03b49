// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/command.h"

void Command::finish(int status, const QString &errorText)
{
    if (done)
        return;
    done = true;
    answer.status = status;
    if (!errorText.isEmpty())
        answer.err += QStringLiteral("vellox-wheel-setup: %1\n").arg(errorText).toUtf8();
    emit finished(answer);
}
