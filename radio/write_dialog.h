#pragma once

#include "radio/transfer_dialog.h"

#include <functional>

struct Codeplug;

// Form3, the write-to-radio dialog. It only reads the program's data.
class TForm3 : public TransferDialog {
    Q_OBJECT
public:
    explicit TForm3(QWidget* parent = nullptr);

    // What is written, and how the cell being edited is committed first (false when
    // it cannot be; the editor has said why). Nothing to commit by default.
    void setWriteSource(const Codeplug* codeplug);
    std::function<bool()> commitEdit = [] { return true; };

    void Button1Click();

protected:
    // The radio is left half written: the user must know to write again.
    void transferStopped() override;

private:
    const Codeplug* codeplug_ = nullptr;
};
