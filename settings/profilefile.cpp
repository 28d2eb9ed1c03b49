// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/profilefile.h"

#include <QCoreApplication>

#include <cstring>

qsizetype rawProfileSize(SettingsTextKind kind)
{
    switch (kind) {
    case SettingsTextKind::Effects:
        return qsizetype(sizeof(EffectSettingsTypeDef));
    case SettingsTextKind::Periphery:
        return qsizetype(sizeof(AdcExtensionSettingsTypeDef) + sizeof(GpioExtensionSettingsTypeDef));
    case SettingsTextKind::All:
        break;
    }
    return 0;
}

std::variant<ProfileFile, SettingsTextError>
readProfileFile(const QByteArray &bytes, std::optional<SettingsTextKind> kind, const ControllerSettings &current)
{
    if (looksLikeSettingsText(bytes)) {
        std::variant<SettingsText, SettingsTextError> parsed = parseSettingsText(bytes, kind);
        if (auto *error = std::get_if<SettingsTextError>(&parsed))
            return *error;
        const SettingsText &text = std::get<SettingsText>(parsed);
        ProfileFile file{text.kind, true, current};
        applySettingsText(text, &file.settings);
        return file;
    }

    const qsizetype effectsSize = rawProfileSize(SettingsTextKind::Effects);
    const qsizetype peripherySize = rawProfileSize(SettingsTextKind::Periphery);
    SettingsTextKind rawKind;
    if (kind) {
        rawKind = *kind;
        if (rawKind == SettingsTextKind::All)
            return SettingsTextError{
                0, QCoreApplication::translate("SettingsText", "Settings of every record exist only as text.")};
        if (bytes.size() < rawProfileSize(rawKind))
            return SettingsTextError{
                0,
                QCoreApplication::translate("SettingsText",
                                            "Neither settings text nor a raw %1 profile of at least %2 bytes.")
                    .arg(kindName(rawKind))
                    .arg(rawProfileSize(rawKind))};
    } else if (bytes.size() == effectsSize) {
        rawKind = SettingsTextKind::Effects;
    } else if (bytes.size() == peripherySize) {
        rawKind = SettingsTextKind::Periphery;
    } else {
        return SettingsTextError{
            0,
            QCoreApplication::translate("SettingsText",
                                        "Neither settings text nor a raw profile (64 bytes of effects, or 128 bytes "
                                        "of periphery settings).")};
    }

    ProfileFile file{rawKind, false, current};
    if (rawKind == SettingsTextKind::Effects) {
        std::memcpy(&file.settings.effects, bytes.constData(), sizeof file.settings.effects);
    } else {
        std::memcpy(&file.settings.adc, bytes.constData(), sizeof file.settings.adc);
        std::memcpy(&file.settings.gpio, bytes.constData() + sizeof file.settings.adc, sizeof file.settings.gpio);
    }
    return file;
}

QByteArray rawProfileBytes(SettingsTextKind kind, const ControllerSettings &settings)
{
    // Only the defined fields are copied, into zeroed records, as the window's
    // save does.
    ControllerSettings clean{};
    for (const SettingsField &field : settingsFields()) {
        if (kindCovers(kind, field.record))
            setRecordValue(&clean, field, recordValue(settings, field));
    }
    if (kind == SettingsTextKind::Effects)
        return QByteArray(reinterpret_cast<const char *>(&clean.effects), sizeof clean.effects);
    if (kind == SettingsTextKind::Periphery) {
        QByteArray bytes(reinterpret_cast<const char *>(&clean.adc), sizeof clean.adc);
        bytes.append(reinterpret_cast<const char *>(&clean.gpio), sizeof clean.gpio);
        return bytes;
    }
    return QByteArray();
}
