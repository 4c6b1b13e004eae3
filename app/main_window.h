#pragma once

#include "app/app_windows.h"
#include "app/ini_file.h"
#include "app/start_options.h"
#include "radio/port_map.h"

#include <QMainWindow>
#include <array>
#include <memory>

struct Codeplug;
class StayOnTopDialog;
class LogoMdiArea;
class FileCommands;
class QComboBox;
class QLabel;
class QToolBar;
class QToolButton;

// Form1, the main window: the frame of the two child windows, with the menus, the
// toolbar with the band selector, and the status bar. It remembers the port and the
// bands in the settings file between runs.
class TForm1 : public QMainWindow {
    Q_OBJECT
public:
    TForm1(Codeplug& codeplug, const StartOptions& options);
    ~TForm1() override;

    // Hands over the windows created after this one; called once, before showing.
    void attach(const AppWindows& windows);
    LogoMdiArea* mdiArea() const { return mdiArea_; }

    int PortNumber() const { return portNumber_; }
    const PortMap& ports() const { return ports_; }
    // While a demonstration runs every port leads to its simulated radio.
    void useDemoRadio(const QString& device);
    QToolButton* toolButton(const QString& name) const;

    // Main window title from the selected band: "Vantrel [136-174MHz]".
    void applyTitleRule();

    // Menus and their items (a menu item and its toolbar button share one action).
    QMenu *N1, *N5, *N22, *N12, *N19, *N13;
    QAction *N2, *O1, *S1, *N4;        // File
    QAction *ExportCsv1, *ImportCsv1;  // File: the channels as CSV
    QAction *N6, *N7, *N9, *N11, *N18; // Edit
    std::array<QAction*, PortMap::PortCount> COM;
    QAction *N20, *N21; // Language
    QAction *N14, *N16; // Help
    QToolBar* ToolBar1;
    QLabel* Label1;
    QComboBox* ComboBox1;
    QLabel* StatusBar1;

    // Commands.
    void N2Click();
    void O1Click();
    void S1Click();
    void N4Click();
    void N6Click();
    void N7Click();
    void N18Click();
    void N9Click();
    void N11Click();
    void N16Click();
    void COMClick(int port);
    void ComboBox1Change();
    void N20Click();
    void N21Click();

protected:
    void showEvent(QShowEvent* event) override;
    // While a dialog is open the main window takes no input, its close box included.
    void closeEvent(QCloseEvent* event) override;
    // The band selector ignores the mouse wheel: a scroll past the toolbar must not
    // change the band the next write sends.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void FormCreate();
    void FormShow();
    void FormDestroy();

    void createMenus();
    void createToolBar();
    void createBandSelector();
    void bindBandSelector();
    void markPort(int port);
    // Ticks the language's menu item, drops the old off entry of the tone list and
    // applies the language's texts (nothing changes when its file is missing).
    void switchLanguage(const QString& language);
    void useFixedWords(const QString& language);
    // Opens a radio dialog when its port exists and is free.
    void openByDialogRule(StayOnTopDialog* dialog);
    // The ports as the radio dialogs use them: the settings' map, or the demo radio.
    PortMap effectivePorts() const;
    void handPortsToSerialControl();

    Codeplug& codeplug_;
    StartOptions options_;
    std::unique_ptr<IniFile> settings_;
    PortMap ports_;
    QString demoDevice_;
    int portNumber_ = 1;
    AppWindows windows_;
    std::unique_ptr<FileCommands> files_;
    LogoMdiArea* mdiArea_;
    bool shown_ = false;
};
