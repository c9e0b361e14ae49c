// Host build helper: prints "<sound number>\t<dialect text>" per pair, in
// table order, so the recordings are spoken from the program's own table.
// Built natively with a UTF-8 execution charset, so the output is UTF-8.
#include <cstdio>

#include "../phrases/PhraseTable.h"

int main()
{
    for (const PhrasePair& pair : PhraseTable)
        std::printf("%d\t%s\n", pair.SoundNumber, pair.DialectText);
    return std::fflush(stdout) == 0 ? 0 : 1;
}
