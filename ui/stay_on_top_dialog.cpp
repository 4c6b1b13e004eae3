#include "ui/stay_on_top_dialog.h"

#include <QGuiApplication>
#include <QScreen>

StayOnTopDialog::StayOnTopDialog(const QString& caption, QSize clientSize, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowStaysOnTopHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint) {
    setWindowTitle(caption);
    setFixedSize(clientSize);
}

void StayOnTopDialog::setLockedWindows(const QList<QWidget*>& windows) {
    locked_.clear();
    for (QWidget* window : windows)
        locked_ << window;
}

void StayOnTopDialog::lockWindows() {
    for (const QPointer<QWidget>& window : locked_)
        if (window)
            window->setEnabled(false);
}

void StayOnTopDialog::unlockWindows() {
    for (const QPointer<QWidget>& window : locked_)
        if (window)
            window->setEnabled(true);
}

void StayOnTopDialog::showCentred() {
    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect area = screen->availableGeometry();
        move(area.center() - QPoint(width() / 2, height() / 2));
    }
    show();
    raise();
    activateWindow();
}

void StayOnTopDialog::done(int result) {
    const bool wasOpen = isVisible();
    QDialog::done(result);
    if (wasOpen)
        FormClose();
}

void StayOnTopDialog::FormClose() {
    unlockWindows();
    emit closed();
}
