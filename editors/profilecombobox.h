// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "settings/profilestore.h"

#include <QByteArray>
#include <QString>

#include <optional>

class QComboBox;

// Binds an editable combo box to a profile store: the list shows the stored
// profiles, and the edit field is the name entry for saving and deleting.
// A refused name is pointed out where the user types it, never in a dialog.
class ProfileComboBox
{
public:
    ProfileComboBox(const QString &directoryName, qsizetype profileSize, QComboBox *comboBox);

    // Rebuilds the list; nothing is selected afterwards.
    void refresh();
    // The named profile's bytes, or nothing (missing, short, refused name).
    std::optional<QByteArray> load(const QString &name);
    // Saves under the name in the edit field, refreshes the list and selects
    // the saved profile.
    void saveUnderCurrentName(const QByteArray &content);
    // Removes the profile named in the edit field and refreshes the list.
    void removeCurrent();

    const ProfileStore &store() const { return profiles; }

private:
    bool acceptName(const QString &name);

    ProfileStore profiles;
    QComboBox *comboBox;
};
