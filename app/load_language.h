#pragma once

class LanguageLibrary;
struct Codeplug;
class TForm1;
class TForm2;
class TForm3;
class TForm4;
class TForm5;
class TForm6;
class TForm7;

// Everything a language is applied to.
struct LanguageTargets {
    TForm1* Form1;
    TForm2* Form2;
    TForm3* Form3;
    TForm4* Form4;
    TForm5* Form5;
    TForm6* Form6;
    TForm7* Form7;
    Codeplug* codeplug;
};

// Writes the numbered texts 1..81 of a language into every window, the stored texts,
// the grid headings, the tone list's off entry and the option lists (which keep their
// selections).
void LoadLanguage(const LanguageLibrary& library, const LanguageTargets& targets);
