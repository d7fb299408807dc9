#pragma once

#include "preview/SaveResults.h"

#include <QString>
#include <QStringList>

#include <deque>

namespace morvessa {

// Answers the save dialogs from a script and records what was asked.
class ScriptedDialogs final : public SaveDialogs {
public:
    QString AskSaveFileName(const QString& title, const QString& filter) override
    {
        titles.push_back(title);
        filters.push_back(filter);
        if (fileNames.empty())
            return {};
        QString name = fileNames.front();
        fileNames.pop_front();
        return name;
    }
    bool AskYesNo(const QString& text) override
    {
        questions.push_back(text);
        return answerYes;
    }
    void ShowMessage(const QString& text) override { messages.push_back(text); }

    std::deque<QString> fileNames;
    bool answerYes = true;
    QStringList titles, filters, questions, messages;
};

}  // namespace morvessa
