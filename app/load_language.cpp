#include "app/load_language.h"

#include "app/about_box.h"
#include "app/main_window.h"
#include "codeplug/channel_editor_window.h"
#include "codeplug/codeplug.h"
#include "codeplug/option_entries.h"
#include "codeplug/options_window.h"
#include "i18n/language_library.h"
#include "i18n/program_texts.h"
#include "i18n/stored_texts.h"
#include "i18n/vocabulary.h"
#include "radio/power_dialog.h"
#include "radio/read_dialog.h"
#include "radio/write_dialog.h"

#include <QComboBox>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QRegularExpression>
#include <array>

namespace {

// Everything a language is applied to.
struct LanguageTargets : AppWindows {
    Codeplug* codeplug;
};

constexpr int kLastId = 81;
using Texts = std::array<QString, kLastId + 1>;

// A window title shows no keyboard accelerator: "关于(&A)..." becomes "关于...".
QString withoutMnemonic(QString text) {
    text.remove(QRegularExpression(QStringLiteral("[(（]&.[)）]")));
    return text.remove(QLatin1Char('&'));
}

// Refills an option list in the language just fetched; the list keeps its selection.
void rebuildList(const LanguageTargets& t, const Texts& texts, int field) {
    t.codeplug->options.setEntries(field, optionEntries(field, currentVocabulary(storedTexts()),
                                                        [&texts](int id) { return texts[id]; }));
}

// One target of a text: what receives text `id` once it has been fetched. The texts
// fetched so far are at hand for the list rebuilds.
struct Target {
    int id;
    void (*apply)(const LanguageTargets& t, const Texts& texts);
};

const Target kTargets[] = {
    {1, [](const auto& t, const auto& texts) { t.Form1->StatusBar1->setText(texts[1]); }},
    {2, [](const auto& t, const auto& texts) { t.Form1->N2->setToolTip(texts[2]); }},
    {3, [](const auto& t, const auto& texts) { t.Form1->O1->setToolTip(texts[3]); }},
    {4, [](const auto& t, const auto& texts) { t.Form1->S1->setToolTip(texts[4]); }},
    {5, [](const auto& t, const auto& texts) { t.Form1->N6->setToolTip(texts[5]); }},
    {6, [](const auto& t, const auto& texts) { t.Form1->N7->setToolTip(texts[6]); }},
    {7, [](const auto& t, const auto& texts) { t.Form1->N9->setToolTip(texts[7]); }},
    {8, [](const auto& t, const auto& texts) { t.Form1->N11->setToolTip(texts[8]); }},
    {9, [](const auto& t, const auto& texts) { t.Form1->N18->setToolTip(texts[9]); }},
    {10, [](const auto& t, const auto& texts) { t.Form1->Label1->setText(texts[10]); }},
    {11, [](const auto& t, const auto& texts) { t.Form1->N1->setTitle(texts[11]); }},
    {12, [](const auto& t, const auto& texts) { t.Form1->N2->setText(texts[12]); }},
    {13, [](const auto& t, const auto& texts) { t.Form1->O1->setText(texts[13]); }},
    {14, [](const auto& t, const auto& texts) { t.Form1->S1->setText(texts[14]); }},
    {15, [](const auto& t, const auto& texts) { t.Form1->N4->setText(texts[15]); }},
    {16, [](const auto& t, const auto& texts) { t.Form1->N5->setTitle(texts[16]); }},
    {17, [](const auto& t, const auto& texts) { t.Form1->N6->setText(texts[17]); }},
    {17, [](const auto& t, const auto& texts) { t.Form6->setWindowTitle(withoutMnemonic(texts[17])); }},
    {18, [](const auto& t, const auto& texts) { t.Form1->N7->setText(texts[18]); }},
    {18, [](const auto& t, const auto& texts) { t.Form3->setWindowTitle(withoutMnemonic(texts[18])); }},
    {19, [](const auto& t, const auto& texts) { t.Form1->N9->setText(texts[19]); }},
    {20, [](const auto& t, const auto& texts) { t.Form1->N11->setText(texts[20]); }},
    {21, [](const auto& t, const auto& texts) { t.Form1->N18->setText(texts[21]); }},
    {21, [](const auto& t, const auto& texts) { t.Form7->setWindowTitle(withoutMnemonic(texts[21])); }},
    {22, [](const auto& t, const auto& texts) { t.Form1->N12->setTitle(texts[22]); }},
    {23, [](const auto& t, const auto& texts) { t.Form1->N13->setTitle(texts[23]); }},
    {24, [](const auto& t, const auto& texts) { t.Form1->N14->setText(texts[24]); }},
    {25, [](const auto& t, const auto& texts) { t.Form1->N16->setText(texts[25]); }},
    {25, [](const auto& t, const auto& texts) { t.Form5->setWindowTitle(withoutMnemonic(texts[25])); }},
    {26, [](const auto& /*targets*/, const auto& texts) { storedTexts().ConfirmCaption = texts[26]; }},
    {27, [](const auto& /*targets*/, const auto& texts) { storedTexts().BandChangePrompt = texts[27]; }},
    {28, [](const auto& /*targets*/, const auto& texts) { storedTexts().NewPrompt = texts[28]; }},
    {29, [](const auto& t, const auto& texts) { t.Form1->N19->setTitle(texts[29]); }},
    {30, [](const auto& t, const auto& texts) { t.Form2->setWindowTitle(withoutMnemonic(texts[30])); }},
    {31, [](const auto& t, const auto& texts) { t.Form2->TeButton1->setText(texts[31]); }},
    {32, [](const auto& t, const auto& texts) { t.Form2->TeButton2->setText(texts[32]); }},
    {33, [](const auto& t, const auto& texts) { t.Form2->TeButton3->setText(texts[33]); }},
    {34, [](const auto& t, const auto& texts) { t.Form2->TeButton4->setText(texts[34]); }},
    {35, [](const auto& t, const auto& texts) { t.codeplug->channels.setCell(0, 0, texts[35]); }},
    {36, [](const auto& t, const auto& texts) { t.codeplug->channels.setCell(1, 0, texts[36]); }},
    {37, [](const auto& t, const auto& texts) { t.codeplug->channels.setCell(2, 0, texts[37]); }},
    {38, [](const auto& t, const auto& texts) { t.codeplug->channels.setCell(3, 0, texts[38]); }},
    {39, [](const auto& t, const auto& texts) { t.codeplug->channels.setCell(4, 0, texts[39]); }},
    {40, [](const auto& t, const auto& texts) { t.codeplug->channels.setCell(5, 0, texts[40]); }},
    {41, [](const auto& t, const auto& texts) { t.codeplug->channels.setCell(6, 0, texts[41]); }},
    {42, [](const auto& t, const auto& texts) { t.codeplug->channels.setCell(7, 0, texts[42]); }},
    {43, [](const auto& /*targets*/, const auto& texts) { storedTexts().OffWord = texts[43]; }},
    {43, [](const auto& t, const auto& texts) { t.codeplug->tones.setOffWord(texts[43]); }},
    {44, [](const auto& /*targets*/, const auto& texts) { storedTexts().HighWord = texts[44]; }},
    {45, [](const auto& /*targets*/, const auto& texts) { storedTexts().LowWord = texts[45]; }},
    {46, [](const auto& /*targets*/, const auto& texts) { storedTexts().OnWord = texts[46]; }},
    {48, [](const auto& t, const auto& texts) { t.Form4->setWindowTitle(withoutMnemonic(texts[48])); }},
    {49, [](const auto& t, const auto& texts) { t.Form4->labels[0]->setText(texts[49]); }},
    {50, [](const auto& t, const auto& texts) { t.Form4->labels[1]->setText(texts[50]); }},
    {51, [](const auto& t, const auto& texts) { t.Form4->labels[2]->setText(texts[51]); }},
    {52, [](const auto& t, const auto& texts) { t.Form4->labels[3]->setText(texts[52]); }},
    {53, [](const auto& t, const auto& texts) { t.Form4->labels[4]->setText(texts[53]); }},
    {54, [](const auto& t, const auto& texts) { t.Form4->labels[5]->setText(texts[54]); }},
    {55, [](const auto& t, const auto& texts) { t.Form4->labels[6]->setText(texts[55]); }},
    {55, [](const auto& t, const auto& texts) { rebuildList(t, texts, FunctionOptions::BatSave); }},
    {62, [](const auto& t, const auto& texts) { rebuildList(t, texts, FunctionOptions::TimeOut); }},
    {66, [](const auto& t, const auto& texts) {
         for (int field : {FunctionOptions::Voice, FunctionOptions::PromptTone,
                           FunctionOptions::AlarmKey, FunctionOptions::Scan})
             rebuildList(t, texts, field);
     }},
    {67, [](const auto& t, const auto& texts) { t.Form4->TeButton1->setText(texts[67]); }},
    {67, [](const auto& t, const auto& texts) { t.Form5->TeButton1->setText(texts[67]); }},
    {68, [](const auto& t, const auto& texts) { t.Form5->Label1->setText(texts[68]); }},
    {68, [](const auto& t, const auto& texts) { t.Form3->StatusPanel1->setText(texts[68]); }},
    {68, [](const auto& t, const auto& texts) { t.Form6->StatusPanel1->setText(texts[68]); }},
    {69, [](const auto& t, const auto& texts) { t.Form5->Label2->setText(QString(texts[69]).replace(QLatin1String("%1"),
                                                                    QLatin1String(VANTREL_VERSION))); }},
    {70, [](const auto& t, const auto& texts) { t.Form5->Label3->setText(texts[70]); }},
    {71, [](const auto& t, const auto& texts) { t.Form5->Label4->setText(texts[71]); }},
    {72, [](const auto& t, const auto& texts) { t.Form7->Label1->setText(texts[72]); }},
    {73, [](const auto& t, const auto& texts) { t.Form7->Label2->setText(texts[73]); }},
    {74, [](const auto& t, const auto& texts) { t.Form7->Label3->setText(texts[74]); }},
    {75, [](const auto& t, const auto& texts) { t.Form7->DsFancyButton1->setText(texts[75]); }},
    {75, [](const auto& t, const auto& texts) { t.Form6->Button1->setText(texts[75]); }},
    {76, [](const auto& t, const auto& texts) { t.Form7->DsFancyButton2->setText(texts[76]); }},
    {76, [](const auto& t, const auto& texts) { t.Form3->Button1->setText(texts[76]); }},
    {77, [](const auto& /*targets*/, const auto& texts) { storedTexts().SuccessCountLabel = texts[77]; }},
    {77, [](const auto& t, const auto& texts) { t.Form3->showSuccessCount(texts[77], 0); }},
    {77, [](const auto& t, const auto& texts) { t.Form6->showSuccessCount(texts[77], 0); }},
    {78, [](const auto& /*targets*/, const auto& texts) { storedTexts().LinkFailedMessage = texts[78]; }},
    {79, [](const auto& t, const auto& texts) { t.Form1->N22->setTitle(texts[79]); }},
    {80, [](const auto& /*targets*/, const auto& texts) { storedTexts().PortFailedMessage = texts[80]; }},
    {81, [](const auto& /*targets*/, const auto& texts) { storedTexts().PortFailedCaption = texts[81]; }},
};

} // namespace

void LoadLanguage(const LanguageLibrary& library, const AppWindows& windows, Codeplug& codeplug) {
    const LanguageTargets targets{windows, &codeplug};
    Texts texts;
    for (int id = 1; id <= kLastId; ++id)
        texts[id] = library.text(id);
    for (const Target& target : kTargets)
        target.apply(targets, texts);
    // The program's own texts: its messages and the CSV menu items.
    loadProgramTexts(library);
    windows.Form1->ExportCsv1->setText(
        programText(ProgramText::ExportCsvItem, "&Export channels as CSV..."));
    windows.Form1->ImportCsv1->setText(
        programText(ProgramText::ImportCsvItem, "&Import channels from CSV..."));
}
