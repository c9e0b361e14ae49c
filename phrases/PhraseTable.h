#pragma once

#include "PhrasePair.h"

constexpr int PhraseCount = 20;

// Pairs in table order: PhraseTable[n - 1] is pair n, with SoundNumber n.
extern const PhrasePair PhraseTable[PhraseCount];

// Pair numbers (1-based) in the order the phrase list shows them.
extern const int PhraseDisplayOrder[PhraseCount];
