#include "app/logo_mdi_area.h"

#include <QPainter>

LogoMdiArea::LogoMdiArea(const QPixmap& logo, QPoint logoPosition, QWidget* parent)
    : QMdiArea(parent), logo_(logo), logoPosition_(logoPosition) {
    setBackground(QColor(0x80, 0x80, 0x80));
}

void LogoMdiArea::paintEvent(QPaintEvent* event) {
    QMdiArea::paintEvent(event);
    QPainter painter(viewport());
    painter.drawPixmap(logoPosition_, logo_);
}
