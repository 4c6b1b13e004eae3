#include "radio/radio_dialog.h"

#include "radio/radio_session.h"
#include "radio/serial_control.h"

#include <QShowEvent>

void RadioDialog::attachRadio(RadioSession* session, SerialControl* control) {
    session_ = session;
    control_ = control;
}

void RadioDialog::showEvent(QShowEvent* event) {
    StayOnTopDialog::showEvent(event);
    // A window shown again by the window system (after minimising) is not a new showing.
    if (!event->spontaneous())
        FormShow();
}

void RadioDialog::FormShow() {
    if (session_ && control_ && !session_->busy())
        session_->open(control_->device());
}

void RadioDialog::FormClose() {
    if (session_)
        session_->close();
    StayOnTopDialog::FormClose();
}
