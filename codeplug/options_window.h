#pragma once

#include "ui/mdi_child_window.h"

#include <array>

class FunctionOptions;
class QComboBox;
class QLabel;
class QPushButton;

// Form4, the function options: seven drop-down lists inside the main frame, each a
// view of one FunctionOptions index.
class TForm4 : public MdiChildWindow {
    Q_OBJECT
public:
    explicit TForm4(FunctionOptions& options, QWidget* parent = nullptr);

    bool OptionsHidden() const { return hiddenByClose(); }

    std::array<QLabel*, 7> labels;    // Label1..Label7
    std::array<QComboBox*, 7> combos; // ComboBox1..ComboBox7
    QPushButton* TeButton1;           // exit

private:
    void buildControls();
    void bindList(int field);
    void refillList(int field);

    FunctionOptions& options_;
};
