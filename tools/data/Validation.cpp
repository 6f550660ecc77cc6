#include "Validation.h"

#include "ValidationChecks.h"

void Findings::add(bool isError, const QString &text)
{
    m_findings.push_back({isError, text});
    if (isError)
        ++m_errors;
}

Findings validateFolder(const QString &folder)
{
    Findings findings;
    const ValidationChecks::Loaded loaded = ValidationChecks::load(folder, findings);
    // A table that did not load whole would only repeat its load error as further findings.
    if (loaded.characters)
        ValidationChecks::characters(findings);
    if (loaded.characters && loaded.cards)
        ValidationChecks::decks(findings);
    if (loaded.cards)
        ValidationChecks::cards(findings);
    if (loaded.characters && loaded.winPoints)
        ValidationChecks::winPoints(findings);
    if (loaded.characters && loaded.battleData)
        ValidationChecks::talk(folder, findings);
    ValidationChecks::densePictures(folder, loaded.characters, loaded.cards, findings);
    ValidationChecks::music(folder, loaded.characters, loaded.battleData, findings);
    return findings;
}
