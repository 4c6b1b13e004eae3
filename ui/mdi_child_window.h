#pragma once

#include <QMdiSubWindow>

// A child window of the main frame that lives until the program ends: closing it
// hides it (and remembers that), and the main window brings it back with its data.
class MdiChildWindow : public QMdiSubWindow {
    Q_OBJECT
public:
    MdiChildWindow(const QString& caption, QSize clientSize, QWidget* parent = nullptr);

    // True from the user closing the window until it is brought back.
    bool hiddenByClose() const { return hiddenByClose_; }
    void clearHiddenFlag() { hiddenByClose_ = false; }

    // Shows the window again: an ordinary show in front, or, after a close, back in
    // its normal state.
    void bringBack();

    // The widget that holds the window's controls, sized to the client area.
    QWidget* client() const { return client_; }

protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    QWidget* client_;
    bool hiddenByClose_ = false;
    bool sized_ = false;
};
