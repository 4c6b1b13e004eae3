#pragma once

#include "app/app_windows.h"
#include "app/start_options.h"
#include "codeplug/codeplug.h"

#include <memory>

// The running program: the data the user edits and the seven windows, each created
// once, in a fixed order, and kept until the end. Destroying it writes the settings.
class VantrelApp : public AppWindows {
public:
    explicit VantrelApp(const StartOptions& options);
    ~VantrelApp();

    // Shows the main window; its first showing finishes the start-up.
    void show();

    Codeplug codeplug;

private:
    std::unique_ptr<TForm1> mainWindow_;
    // The dialogs are top-level windows of their own.
    std::unique_ptr<TForm3> writeDialog_;
    std::unique_ptr<TForm5> aboutBox_;
    std::unique_ptr<TForm6> readDialog_;
    std::unique_ptr<TForm7> powerDialog_;
};
