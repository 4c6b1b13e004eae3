#pragma once

#include <QDialog>
#include <QList>
#include <QPointer>

// A small dialog that stays on top and acts as modal while it is open: opening it
// disables the main window and its child windows, closing it (by a button, the close
// box or Escape) enables them again.
class StayOnTopDialog : public QDialog {
    Q_OBJECT
public:
    StayOnTopDialog(const QString& caption, QSize clientSize, QWidget* parent = nullptr);

    // The windows to disable while this dialog is open, in the order to disable them.
    void setLockedWindows(const QList<QWidget*>& windows);
    void lockWindows();
    void unlockWindows();

    // Shows the dialog centred on the screen, in front.
    void showCentred();

    void done(int result) override;

signals:
    void closed();

protected:
    // The close step: every way of closing ends here.
    virtual void FormClose();

private:
    QList<QPointer<QWidget>> locked_;
};
