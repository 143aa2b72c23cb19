// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The window's backdrop: a gradient with the program's name faintly on its lower part.

#include <QLabel>

namespace quelmo {

// Drawn at each paint rather than kept as a picture: a picture the window's size would stay in
// memory (about 1.4 MB) all the months the window sits hidden in the tray.
class BackgroundImage : public QLabel {
public:
    using QLabel::QLabel;

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace quelmo
