#pragma once

#include "app/app_windows.h"

class LanguageLibrary;
struct Codeplug;

// Writes the numbered texts 1..81 of a language into every window, the stored texts,
// the grid headings, the tone list's off entry and the option lists (which keep their
// selections).
void LoadLanguage(const LanguageLibrary& library, const AppWindows& windows, Codeplug& codeplug);
