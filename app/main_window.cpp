#include "app/main_window.h"

#include "app/about_box.h"
#include "app/file_commands.h"
#include "app/load_language.h"
#include "app/logo_mdi_area.h"
#include "app/settings_file.h"
#include "codeplug/cell_words.h"
#include "codeplug/channel_editor_window.h"
#include "codeplug/codeplug.h"
#include "codeplug/options_window.h"
#include "i18n/language_library.h"
#include "i18n/startup_language.h"
#include "i18n/stored_texts.h"
#include "i18n/vocabulary.h"
#include "radio/port_probe.h"
#include "radio/power_dialog.h"
#include "radio/read_dialog.h"
#include "radio/serial_control.h"
#include "radio/write_dialog.h"
#include "ui/prompter.h"

#include <QActionGroup>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QMenuBar>
#include <QScreen>
#include <QSignalBlocker>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>

namespace {

constexpr QSize kWindowSize(1055, 765);
constexpr QSize kButtonSize(37, 36);
constexpr QSize kPictureSize(30, 30);
constexpr int kStatusBarHeight = 26;
constexpr QPoint kLogoPlace(240, 152); // from the toolbar's top edge

// One item of the toolbar, left to right: a button for an action, or a gap.
struct ToolItem {
    const char* name;
    int width;
    QAction* TForm1::*action; // null for a gap
    int actionIndex;          // for the port buttons: which COM action
    const char* picture;
    bool line; // a gap drawn as a dividing line
};

const ToolItem kToolItems[] = {
    {"ToolButton1", 17, nullptr, 0, nullptr, true},
    {"ToolButton2", 37, &TForm1::N2, 0, "toolbar_new", false},
    {"ToolButton3", 37, &TForm1::O1, 0, "toolbar_open", false},
    {"ToolButton4", 37, &TForm1::S1, 0, "toolbar_save", false},
    {"ToolButton5", 15, nullptr, 0, nullptr, true},
    {"ToolButton14", 15, nullptr, 0, nullptr, true},
    {"ToolButton6", 37, &TForm1::N6, 0, "toolbar_read", false},
    {"ToolButton8", 37, &TForm1::N7, 0, "toolbar_write", false},
    {"ToolButton7", 15, nullptr, 0, nullptr, true},
    {"ToolButton21", 12, nullptr, 0, nullptr, true},
    {"ToolButton18", 37, &TForm1::N9, 0, "toolbar_channels", false},
    {"ToolButton19", 37, &TForm1::N11, 0, "toolbar_options", false},
    {"ToolButton22", 37, &TForm1::N18, 0, "toolbar_power", false},
    {"ToolButton15", 15, nullptr, 0, nullptr, true},
    {"ToolButton20", 12, nullptr, 0, nullptr, true},
    {"ToolButton31", 37, nullptr, 1, "toolbar_com1", false},
    {"ToolButton32", 37, nullptr, 2, "toolbar_com2", false},
    {"ToolButton33", 37, nullptr, 3, "toolbar_com3", false},
    {"ToolButton34", 37, nullptr, 4, "toolbar_com4", false},
    {"ToolButton11", 8, nullptr, 0, nullptr, true},
    {"ToolButton16", 20, nullptr, 0, nullptr, true},
    {"Panel7", 164, nullptr, 0, nullptr, false}, // the band selector
    {"ToolButton17", 8, nullptr, 0, nullptr, false},
    {"ToolButton9", 8, nullptr, 0, nullptr, false},
};

QIcon picture(const char* name) {
    return QIcon(QStringLiteral(":/images/%1.svg").arg(QLatin1String(name)));
}

QWidget* makeGap(int width, bool line) {
    auto* gap = new QFrame;
    gap->setFixedSize(width, kButtonSize.height());
    if (line)
        gap->setFrameStyle(QFrame::VLine | QFrame::Sunken);
    return gap;
}

} // namespace

TForm1::TForm1(Codeplug& codeplug, const StartOptions& options)
    : codeplug_(codeplug), options_(options),
      mdiArea_(new LogoMdiArea(QPixmap(QStringLiteral(":/images/logo.svg")),
                               kLogoPlace - QPoint(0, kButtonSize.height() + 2), this)) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Vantrel"));
    setWindowIcon(QIcon(QStringLiteral(":/images/vantrel.svg")));
    setCentralWidget(mdiArea_);
    createMenus();
    createToolBar();
    StatusBar1 = new QLabel(QStringLiteral("PARVEX专用调频手持对讲机PX-4410编程软件"));
    StatusBar1->setObjectName(QStringLiteral("StatusBar1"));
    statusBar()->addWidget(StatusBar1, 1);
    statusBar()->setFixedHeight(kStatusBarHeight);
    statusBar()->setSizeGripEnabled(false);
    resize(kWindowSize);
    if (QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    FormCreate();
}

TForm1::~TForm1() {
    FormDestroy();
}

void TForm1::attach(const AppWindows& windows) {
    windows_ = windows;
    TForm2* editor = windows_.Form2;
    files_ = std::make_unique<FileCommands>(
        this, codeplug_,
        FileCommands::Hooks{[editor] { return editor->commitEdit(); },
                            [editor] { editor->clearFrequencyEditor(); },
                            [this] { applyTitleRule(); }});
    const QList<QWidget*> locked{this, windows_.Form2, windows_.Form4};
    for (StayOnTopDialog* dialog : std::initializer_list<StayOnTopDialog*>{
             windows_.Form3, windows_.Form5, windows_.Form6, windows_.Form7})
        dialog->setLockedWindows(locked);
    handPortsToSerialControl();
}

void TForm1::useDemoRadio(const QString& device) {
    demoDevice_ = device;
    handPortsToSerialControl();
}

PortMap TForm1::effectivePorts() const {
    if (demoDevice_.isEmpty())
        return ports_;
    PortMap demo;
    for (int n = 1; n <= PortMap::PortCount; ++n)
        demo.setDevice(n, demoDevice_);
    return demo;
}

void TForm1::handPortsToSerialControl() {
    if (windows_.Form6)
        windows_.Form6->MSComm1->setPortMap(effectivePorts());
}

QToolButton* TForm1::toolButton(const QString& name) const {
    return ToolBar1->findChild<QToolButton*>(name);
}

void TForm1::createMenus() {
    auto action = [this](QMenu* menu, const char* name, const QString& caption,
                         QKeySequence shortcut = {}) {
        QAction* item = menu->addAction(caption);
        item->setObjectName(QLatin1String(name));
        item->setShortcut(shortcut);
        item->setIconVisibleInMenu(false);
        return item;
    };
    auto menu = [this](QMenu* parent, const char* name, const QString& caption) {
        QMenu* created = parent ? parent->addMenu(caption) : menuBar()->addMenu(caption);
        created->setObjectName(QLatin1String(name));
        return created;
    };

    N1 = menu(nullptr, "N1", QStringLiteral("文件(&F)"));
    N2 = action(N1, "N2", QStringLiteral("新建(&N)"), QKeySequence(QStringLiteral("Ctrl+N")));
    O1 = action(N1, "O1", QStringLiteral("打开(&O)"), QKeySequence(QStringLiteral("Ctrl+O")));
    S1 = action(N1, "S1", QStringLiteral("保存(&S)"), QKeySequence(QStringLiteral("Ctrl+S")));
    N1->addSeparator();
    ExportCsv1 = action(N1, "ExportCsv1", QStringLiteral("导出信道 CSV(&E)..."));
    ImportCsv1 = action(N1, "ImportCsv1", QStringLiteral("导入信道 CSV(&I)..."));
    N1->addSeparator();
    N4 = action(N1, "N4", QStringLiteral("关闭(&C)"), QKeySequence(QStringLiteral("Ctrl+Q")));

    N5 = menu(nullptr, "N5", QStringLiteral("编辑(&P)"));
    N6 = action(N5, "N6", QStringLiteral("读频"));
    N7 = action(N5, "N7", QStringLiteral("写频"));
    N5->addSeparator();
    N9 = action(N5, "N9", QStringLiteral("信道编辑"));
    N5->addSeparator();
    N11 = action(N5, "N11", QStringLiteral("功能选项"));
    N5->addSeparator();
    N18 = action(N5, "N18", QStringLiteral("功率调整"));
    N18->setEnabled(options_.service); // a dealers' service, off for everybody else

    N22 = menu(nullptr, "N22", QStringLiteral("选项"));
    N12 = menu(N22, "N12", QStringLiteral("通讯端口"));
    auto* ports = new QActionGroup(this);
    for (int port = 1; port <= PortMap::PortCount; ++port) {
        const QString name = QStringLiteral("COM%1").arg(port);
        QAction* item = action(N12, name.toLatin1().constData(), name);
        item->setCheckable(true);
        ports->addAction(item);
        COM[port - 1] = item;
        connect(item, &QAction::triggered, this, [this, port] { COMClick(port); });
    }
    N19 = menu(N22, "N19", QStringLiteral("语言"));
    N20 = action(N19, "N20", QStringLiteral("中文"));
    N21 = action(N19, "N21", QStringLiteral("English"));
    N20->setCheckable(true);
    N21->setCheckable(true);
    N20->setChecked(true);

    N13 = menu(nullptr, "N13", QStringLiteral("帮助"));
    N14 = action(N13, "N14", QStringLiteral("帮助(&C)...")); // no command: nothing happens
    N13->addSeparator();
    N16 = action(N13, "N16", QStringLiteral("关于(&A)..."));

    connect(N2, &QAction::triggered, this, &TForm1::N2Click);
    connect(O1, &QAction::triggered, this, &TForm1::O1Click);
    connect(S1, &QAction::triggered, this, &TForm1::S1Click);
    connect(ExportCsv1, &QAction::triggered, this, [this] { files_->exportCsv(); });
    connect(ImportCsv1, &QAction::triggered, this, [this] { files_->importCsv(); });
    connect(N4, &QAction::triggered, this, &TForm1::N4Click);
    connect(N6, &QAction::triggered, this, &TForm1::N6Click);
    connect(N7, &QAction::triggered, this, &TForm1::N7Click);
    connect(N18, &QAction::triggered, this, &TForm1::N18Click);
    connect(N9, &QAction::triggered, this, &TForm1::N9Click);
    connect(N11, &QAction::triggered, this, &TForm1::N11Click);
    connect(N16, &QAction::triggered, this, &TForm1::N16Click);
    connect(N20, &QAction::triggered, this, &TForm1::N20Click);
    connect(N21, &QAction::triggered, this, &TForm1::N21Click);
}

void TForm1::createToolBar() {
    ToolBar1 = addToolBar(QStringLiteral("ToolBar1"));
    ToolBar1->setObjectName(QStringLiteral("ToolBar1"));
    ToolBar1->setMovable(false);
    ToolBar1->setFloatable(false);
    ToolBar1->setIconSize(kPictureSize);
    ToolBar1->setContextMenuPolicy(Qt::PreventContextMenu);
    const QStringList hints = {QStringLiteral("新建"),     QStringLiteral("打开"),
                               QStringLiteral("保存"),     QStringLiteral("读频"),
                               QStringLiteral("写频"),     QStringLiteral("信道编辑"),
                               QStringLiteral("功能选项"), QStringLiteral("功率调整")};
    int hint = 0;
    for (const ToolItem& item : kToolItems) {
        QAction* action = item.action        ? this->*item.action
                          : item.actionIndex ? COM[item.actionIndex - 1]
                                             : nullptr;
        if (!action) {
            if (QLatin1String(item.name) == QLatin1String("Panel7"))
                createBandSelector();
            else
                ToolBar1->addWidget(makeGap(item.width, item.line))
                    ->setObjectName(QLatin1String(item.name));
            continue;
        }
        action->setIcon(picture(item.picture));
        if (item.action)
            action->setToolTip(hints.value(hint++));
        ToolBar1->addAction(action);
        QWidget* button = ToolBar1->widgetForAction(action);
        button->setObjectName(QLatin1String(item.name));
        button->setFixedSize(kButtonSize);
    }
}

void TForm1::createBandSelector() {
    auto* panel = new QWidget;
    panel->setObjectName(QStringLiteral("Panel7"));
    panel->setFixedSize(164, kButtonSize.height());
    auto* layout = new QHBoxLayout(panel);
    layout->setContentsMargins(4, 0, 4, 0);
    Label1 = new QLabel(QStringLiteral("型号："), panel);
    Label1->setObjectName(QStringLiteral("Label1"));
    ComboBox1 = new QComboBox(panel);
    ComboBox1->setObjectName(QStringLiteral("ComboBox1"));
    ComboBox1->setEditable(false);
    ComboBox1->setFixedWidth(113);
    ComboBox1->installEventFilter(this);
    QFont listFont = ComboBox1->font();
    listFont.setPixelSize(13);
    ComboBox1->setFont(listFont);
    layout->addWidget(Label1);
    layout->addWidget(ComboBox1);
    ToolBar1->addWidget(panel);
}

void TForm1::bindBandSelector() {
    BandList& bands = codeplug_.bands;
    auto refill = [this, &bands] {
        const QSignalBlocker blocker(ComboBox1);
        ComboBox1->clear();
        ComboBox1->addItems(bands.entries());
        ComboBox1->setCurrentIndex(bands.selectedIndex());
    };
    refill();
    connect(&bands, &BandList::entriesChanged, this, refill);
    connect(&bands, &BandList::selectionChanged, this, [this](int index) {
        const QSignalBlocker blocker(ComboBox1);
        ComboBox1->setCurrentIndex(index);
    });
    // Only a pick by the user is a band change.
    connect(ComboBox1, qOverload<int>(&QComboBox::activated), this, [this, &bands](int index) {
        bands.select(index);
        ComboBox1Change();
    });
}

void TForm1::FormCreate() {
    settings_ = std::make_unique<IniFile>(settingsPath(options_.configDir));
    const StoredSettings stored = loadSettings(*settings_, codeplug_.bands);
    ports_ = stored.ports;
    portNumber_ = stored.portNumber;
    markPort(portNumber_);
    bindBandSelector();
}

void TForm1::closeEvent(QCloseEvent* event) {
    if (!isEnabled()) {
        event->ignore();
        return;
    }
    QMainWindow::closeEvent(event);
}

bool TForm1::eventFilter(QObject* watched, QEvent* event) {
    if (watched == ComboBox1 && event->type() == QEvent::Wheel)
        return true;
    return QMainWindow::eventFilter(watched, event);
}

void TForm1::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (!shown_) {
        shown_ = true;
        FormShow();
    }
}

void TForm1::FormShow() {
    COM[portNumber_ - 1]->trigger();
    // The installer's log sits beside the settings file.
    const QString installLog =
        QFileInfo(settings_->path()).dir().filePath(QStringLiteral("install.Log"));
    switchLanguage(chooseStartupLanguage(options_.language, installLog, QLocale::system().name()));
}

void TForm1::switchLanguage(const QString& language) {
    const bool english = language == QLatin1String("english");
    N20->setChecked(!english);
    N21->setChecked(english);
    N20->setText(english ? QStringLiteral("Chinese") : QStringLiteral("中文"));
    codeplug_.tones.removeOffWord();
    const QStringList folders = options_.languageFolders.isEmpty()
                                    ? LanguageLibrary::defaultFolders()
                                    : options_.languageFolders;
    if (const std::optional<LanguageLibrary> library = LanguageLibrary::open(language, folders))
        LoadLanguage(*library, windows_, codeplug_);
    else if (storedTexts().OffWord.isEmpty())
        useFixedWords(language);
}

// Without any language file the windows keep their design texts, but the channel
// words are fixed per language, and editing and writing need them.
void TForm1::useFixedWords(const QString& language) {
    const VocabularyWords& words =
        vocabularyOf(language == QLatin1String("english") ? Language::English : Language::Chinese);
    StoredTexts& texts = storedTexts();
    texts.OffWord = words.OffWord;
    texts.HighWord = words.HighWord;
    texts.LowWord = words.LowWord;
    texts.OnWord = words.OnWord;
    codeplug_.tones.setOffWord(words.OffWord);
}

// A switch from the menu also carries the words already in the channels.
void TForm1::N20Click() {
    switchLanguage(QStringLiteral("chinese"));
    translateCells(codeplug_.channels, currentVocabulary(storedTexts()));
}

void TForm1::N21Click() {
    switchLanguage(QStringLiteral("english"));
    translateCells(codeplug_.channels, currentVocabulary(storedTexts()));
}

void TForm1::FormDestroy() {
    if (!settings_)
        return;
    const QString error = saveSettings(*settings_, portNumber_, codeplug_.bands);
    settings_.reset();
    if (!error.isEmpty())
        prompter().error(nullptr, error);
}

void TForm1::markPort(int port) {
    for (int n = 1; n <= PortMap::PortCount; ++n)
        COM[n - 1]->setChecked(n == port);
}

void TForm1::COMClick(int port) {
    markPort(port);
    if (windows_.Form6)
        windows_.Form6->MSComm1->setCommPort(port);
    portNumber_ = port;
}

void TForm1::applyTitleRule() {
    setWindowTitle(QStringLiteral("Vantrel [") + ComboBox1->currentText() + QLatin1Char(']'));
}

void TForm1::ComboBox1Change() {
    const StoredTexts& texts = storedTexts();
    if (prompter().confirm(this, texts.ConfirmCaption, texts.BandChangePrompt))
        ClearCodeplug(codeplug_.options, codeplug_.channels);
    applyTitleRule();
}

void TForm1::openByDialogRule(StayOnTopDialog* dialog) {
    const PortProbeResult probe = probePort(effectivePorts().device(portNumber_));
    if (!probe.available) {
        const StoredTexts& texts = storedTexts();
        prompter().information(this, texts.PortFailedCaption,
                               texts.PortFailedMessage + QStringLiteral("\n\n") + probe.problem);
        return;
    }
    dialog->showCentred();
    dialog->lockWindows();
}

void TForm1::N2Click() {
    files_->newCodeplug();
}
void TForm1::O1Click() {
    files_->open();
}
void TForm1::S1Click() {
    files_->save();
}
void TForm1::N4Click() {
    close();
}
void TForm1::N6Click() {
    openByDialogRule(windows_.Form6);
}
void TForm1::N7Click() {
    openByDialogRule(windows_.Form3);
}
void TForm1::N18Click() {
    openByDialogRule(windows_.Form7);
}
void TForm1::N9Click() {
    windows_.Form2->bringBack();
}
void TForm1::N11Click() {
    windows_.Form4->bringBack();
}

void TForm1::N16Click() {
    windows_.Form5->lockWindows();
    windows_.Form5->showCentred();
}
