#pragma once

#include <QString>

#include <vector>

// What validate found in a game folder, in the order found. An error is something the game
// refuses at start-up or that breaks a battle; a warning is something it survives.
class Findings
{
public:
    struct Finding
    {
        bool error = false;
        QString text;
    };

    void error(const QString &text) { add(true, text); }
    void warning(const QString &text) { add(false, text); }

    const std::vector<Finding> &all() const { return m_findings; }
    int errors() const { return m_errors; }
    int warnings() const { return static_cast<int>(m_findings.size()) - m_errors; }

private:
    void add(bool isError, const QString &text);

    std::vector<Finding> m_findings;
    int m_errors = 0;
};

// Loads the game data of `folder` (ending in a separator) into the shared objects as start-up
// does, then checks what the game would otherwise find out mid-battle. Nothing in the folder
// is written.
Findings validateFolder(const QString &folder);
