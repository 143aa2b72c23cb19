// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCoreApplication>

#include <string>

namespace quelmo {

// Every text a person reads is translated in the one context "Quelmo". lupdate collects
// Texts::tr (a QString), Texts::Tr (UTF-8, for code that composes std::string texts; the build
// tells lupdate that Tr is a tr) and QT_TRANSLATE_NOOP("Quelmo", …) for texts kept in tables,
// which are passed through Tr or tr where they are shown.
class Texts {
    Q_DECLARE_TR_FUNCTIONS(Quelmo)

public:
    static std::string Tr(const char* source, const char* disambiguation = nullptr) {
        return tr(source, disambiguation).toStdString();
    }
};

} // namespace quelmo
