// SPDX-License-Identifier: GPL-3.0-or-later
// The program's icon, drawn from its SVG at each size a desktop asks for, without depending on
// Qt's SVG image plugin being installed.
#include "tray/trayicon.h"

#include <QFile>
#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>

namespace quelmo {

QIcon ProgramIcon() {
    static const QIcon icon = [] {
        QIcon drawn;
        QSvgRenderer svg(QStringLiteral(":/quelmo/io.github.quelmo.Quelmo.svg"));
        if (!svg.isValid())
            return drawn;
        for (int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
            QPixmap pixmap(size, size);
            pixmap.fill(Qt::transparent);
            QPainter painter(&pixmap);
            svg.render(&painter);
            painter.end();
            drawn.addPixmap(pixmap);
        }
        return drawn;
    }();
    return icon;
}

} // namespace quelmo
