#pragma once

#include "app/app_windows.h"
#include "app/start_options.h"
#include "codeplug/codeplug.h"

#include <memory>

class DemoRadio;
class RadioSession;

// The running program: the data the user edits and the seven windows, each created
// once, in a fixed order, and kept until the end. Destroying it writes the settings.
class VantrelApp : public AppWindows {
public:
    explicit VantrelApp(const StartOptions& options);
    ~VantrelApp();

    // Shows the main window; its first showing finishes the start-up.
    void show();

    Codeplug codeplug;

    // The line to the radio that the three radio dialogs share.
    RadioSession* radio;

private:
    void attachRadioDialogs();
    // With --demo: the simulated radio the ports lead to.
    void startDemoRadio();

    std::unique_ptr<RadioSession> radioSession_;
    std::unique_ptr<DemoRadio> demoRadio_;
    std::unique_ptr<TForm1> mainWindow_;
    // The dialogs are top-level windows of their own.
    std::unique_ptr<TForm3> writeDialog_;
    std::unique_ptr<TForm5> aboutBox_;
    std::unique_ptr<TForm6> readDialog_;
    std::unique_ptr<TForm7> powerDialog_;
};
