#pragma once
// The report speaks the user's language where the program has a translation (the same
// translations, built into the tool), with numbers and dates as the user's locale writes them.

#include <QString>

class QCoreApplication;

namespace quelmo::fleet {

// Installs the translation for the first of the user's languages (LANGUAGE, then LC_MESSAGES
// or LANG) that has one, unless English comes first; returns that language ("de"), or "en".
QString InstallReportTranslation(QCoreApplication& app);

} // namespace quelmo::fleet
