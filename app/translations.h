// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>

#include <optional>

class QCoreApplication;

namespace quelmo {

// The language to translate into: the first of the desktop's languages (LANGUAGE, then
// LC_MESSAGES or LANG) that has a translation, unless English, the texts' own language,
// comes first. Languages are given as the locale lists them ("de-AT"); translations by their
// file suffix ("de").
std::optional<QString> ChooseTranslation(const QStringList& uiLanguages,
                                         const QStringList& available);

// Installs the translation of the program's texts, built into it, and Qt's own (for the
// standard buttons and dialogues) for the desktop's language. English installs nothing.
void InstallTranslations(QCoreApplication& app);

} // namespace quelmo
