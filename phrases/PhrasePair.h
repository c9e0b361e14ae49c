#pragma once

// One phrase of the phrase book. Plain aggregate of literals, so a table of
// these is constant-initialised and ready before any dynamic initialisation.
struct PhrasePair {
    const char* StandardText; // also the text of its list item
    const char* DialectText;
    int SoundNumber;          // recording "sounds//<n>.wav"; equals its place in the table
};
