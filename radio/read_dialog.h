#pragma once

#include "radio/transfer_dialog.h"

#include <functional>

struct Codeplug;
class SerialControl;

// Form6, the read-from-radio dialog. It carries the serial control of all three radio
// dialogs. A read is applied to the program's data only once it is complete.
class TForm6 : public TransferDialog {
    Q_OBJECT
public:
    explicit TForm6(QWidget* parent = nullptr);

    // Where a complete read goes, and the main window's title rule to run after it.
    void setReadTarget(Codeplug* codeplug, std::function<void()> titleRule);

    void Button1Click();

    SerialControl* MSComm1;

private:
    void readFinished(const TransferOutcome& outcome, const RadioContent& content);

    Codeplug* codeplug_ = nullptr;
    std::function<void()> titleRule_;
};
