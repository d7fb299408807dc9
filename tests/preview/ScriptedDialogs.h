#pragma once

#include "preview/SaveResults.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <deque>

namespace morvessa {

// Answers the save dialogs from a script and records what was asked.
class ScriptedDialogs final : public SaveDialogs {
public:
    SaveFileChoice AskSaveFileName(const QString& title, const QStringList& filters,
                                   const QString& folder) override
    {
        titles.push_back(title);
        offeredFilters.push_back(filters);
        folders.push_back(folder);
        if (fileNames.empty())
            return {};
        SaveFileChoice choice{fileNames.front(), filters.value(0)};
        fileNames.pop_front();
        if (!chosenFilters.empty()) {
            choice.filter = chosenFilters.front();
            chosenFilters.pop_front();
        }
        return choice;
    }
    bool AskYesNo(const QString& text) override
    {
        questions.push_back(text);
        return answerYes;
    }
    void ShowMessage(const QString& text) override { messages.push_back(text); }

    std::deque<QString> fileNames;
    // The filter left chosen for each name; the first offered one when none is scripted.
    std::deque<QString> chosenFilters;
    bool answerYes = true;
    QStringList titles, folders, questions, messages;
    QList<QStringList> offeredFilters;
};

}  // namespace morvessa
