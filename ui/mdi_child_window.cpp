#include "ui/mdi_child_window.h"

#include <QCloseEvent>
#include <QMdiArea>

MdiChildWindow::MdiChildWindow(const QString& caption, QSize clientSize, QWidget* parent)
    : QMdiSubWindow(parent, Qt::SubWindow | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                                Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint),
      client_(new QWidget) {
    setAttribute(Qt::WA_DeleteOnClose, false);
    setWindowTitle(caption);
    client_->setFixedSize(clientSize);
    setWidget(client_);
}

void MdiChildWindow::showEvent(QShowEvent* event) {
    QMdiSubWindow::showEvent(event);
    if (!sized_) {
        // The frame's title bar is known only once the window sits in the frame.
        sized_ = true;
        adjustSize();
    }
}

void MdiChildWindow::bringBack() {
    if (hiddenByClose_) {
        hiddenByClose_ = false;
        showNormal();
    }
    show();
    raise();
    if (QMdiArea* area = mdiArea())
        area->setActiveSubWindow(this);
    setFocus();
}

void MdiChildWindow::closeEvent(QCloseEvent* event) {
    event->ignore();
    hiddenByClose_ = true;
    hide();
}

void MdiChildWindow::resizeEvent(QResizeEvent* event) {
    QMdiSubWindow::resizeEvent(event);
    if (hiddenByClose_)
        hide();
}
