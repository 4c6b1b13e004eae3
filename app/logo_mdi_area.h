#pragma once

#include <QMdiArea>
#include <QPixmap>

// The main frame's client area: grey, with the logo drawn unscaled at a fixed place
// behind the child windows.
class LogoMdiArea : public QMdiArea {
    Q_OBJECT
public:
    LogoMdiArea(const QPixmap& logo, QPoint logoPosition, QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPixmap logo_;
    QPoint logoPosition_;
};
