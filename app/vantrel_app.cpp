#include "app/vantrel_app.h"

#include "app/about_box.h"
#include "app/demo_radio.h"
#include "app/logo_mdi_area.h"
#include "app/main_window.h"
#include "codeplug/channel_editor_window.h"
#include "codeplug/options_window.h"
#include "radio/power_dialog.h"
#include "radio/radio_session.h"
#include "radio/read_dialog.h"
#include "radio/write_dialog.h"
#include "ui/prompter.h"

// The pictures are compiled into a static library: register them by hand.
static void registerPictures() {
    Q_INIT_RESOURCE(images);
}

VantrelApp::VantrelApp(const StartOptions& options)
    : radioSession_(std::make_unique<RadioSession>()),
      mainWindow_((registerPictures(), std::make_unique<TForm1>(codeplug, options))) {
    radio = radioSession_.get();
    Form1 = mainWindow_.get();
    // The child windows live in the main frame; the channel editor, added last, is
    // the active one in front.
    Form4 = new TForm4(codeplug.options);
    Form4->setWindowIcon(Form1->windowIcon());
    Form1->mdiArea()->addSubWindow(Form4);
    Form4->show();
    Form2 = new TForm2(codeplug.channels, codeplug.tones);
    Form2->setWindowIcon(Form1->windowIcon());
    Form1->mdiArea()->addSubWindow(Form2);
    Form2->show();
    writeDialog_ = std::make_unique<TForm3>();
    aboutBox_ = std::make_unique<TForm5>();
    readDialog_ = std::make_unique<TForm6>();
    powerDialog_ = std::make_unique<TForm7>();
    Form3 = writeDialog_.get();
    Form5 = aboutBox_.get();
    Form6 = readDialog_.get();
    Form7 = powerDialog_.get();
    attachRadioDialogs();
    Form1->attach(*this);
    if (options.demo)
        startDemoRadio();
}

void VantrelApp::attachRadioDialogs() {
    for (TransferDialog* dialog :
         {static_cast<TransferDialog*>(Form6), static_cast<TransferDialog*>(Form3)})
        dialog->attachRadio(radio, Form6->MSComm1);
    Form7->attachRadio(radio, Form6->MSComm1);
    Form6->setReadTarget(&codeplug, [this] { Form1->applyTitleRule(); });
    Form3->setWriteSource(&codeplug);
    TForm2* editor = Form2;
    Form3->commitEdit = [editor] { return editor->commitEdit(); };
}

void VantrelApp::startDemoRadio() {
    demoRadio_ = std::make_unique<DemoRadio>();
    QString error;
    if (demoRadio_->start(&error))
        Form1->useDemoRadio(demoRadio_->device());
    else
        prompter().error(nullptr, error);
}

VantrelApp::~VantrelApp() {
    // Dialogs first: the main window's end writes the settings and may show a box.
    powerDialog_.reset();
    readDialog_.reset();
    aboutBox_.reset();
    writeDialog_.reset();
    mainWindow_.reset();
    radioSession_.reset();
    demoRadio_.reset();
}

void VantrelApp::show() {
    Form1->show();
}
