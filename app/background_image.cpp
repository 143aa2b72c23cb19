// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/background_image.h"

#include <QLinearGradient>
#include <QPaintEvent>
#include <QPainter>

namespace quelmo {

void BackgroundImage::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    painter.setClipRegion(event->region());
    const QRect area = rect();
    QLinearGradient gradient(0, 0, 0, area.height());
    gradient.setColorAt(0.0, QColor(0x3a, 0x4a, 0x5c));
    gradient.setColorAt(0.38, QColor(0x20, 0x2a, 0x36));
    gradient.setColorAt(0.385, QColor(0xd4, 0xd0, 0xc8));
    gradient.setColorAt(1.0, QColor(0xd4, 0xd0, 0xc8));
    painter.fillRect(area, gradient);
    // The lower part is covered by the details panel when it is open; otherwise it carries
    // the name, faintly.
    if (!event->region().intersects(QRect(0, 216, area.width(), area.height() - 216)))
        return;
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(72);
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(QColor(0xc4, 0xc0, 0xb8));
    painter.drawText(QRect(0, 216, area.width(), area.height() - 216), Qt::AlignCenter,
                     QStringLiteral("Quelmo!"));
}

} // namespace quelmo
