#pragma once

#include <QStringList>
#include <functional>

struct VocabularyWords;

// A numbered text of a language file (56..62 the time-outs, 63..66 the voices).
using NumberedText = std::function<QString(int id)>;

// The entries of an option list in one language: the on/off lists from the words
// (scanning puts "on" first), the time-out list "off" and the seven durations, the
// voice list the four voices and "off". The squelch digits never change.
QStringList optionEntries(int field, const VocabularyWords& words, const NumberedText& text);
