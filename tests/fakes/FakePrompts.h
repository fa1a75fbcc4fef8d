#pragma once

#include "core/ports/Prompts.h"

#include <QStringList>
#include <deque>

// Records every box and dialog instead of showing it, and answers from scripted queues (cancel when empty).
class FakePrompts : public Prompts {
public:
    // "caption|text" for messages and questions, "folder|title" and "files|title" for the dialogs, "text|caption|label|
    // initial text" for a text field.
    QStringList shown;
    // The icon of each message box, in the order they were shown.
    QList<Icon> icons;
    std::deque<bool> confirmAnswers;
    std::deque<std::optional<QString>> folderAnswers;
    std::deque<QStringList> fileAnswers;
    std::deque<std::optional<QString>> textAnswers;
    // The file types the last file dialog offered.
    QStringList lastFileTypes;

    void message(const QString& caption, const QString& text, Icon icon) override {
        shown.append(caption + QLatin1Char('|') + text);
        icons.append(icon);
    }
    bool confirm(const QString& caption, const QString& text) override {
        shown.append(caption + QLatin1Char('|') + text);
        return take(confirmAnswers, false);
    }
    std::optional<QString> pickFolder(const QString& title, const QString&) override {
        shown.append(QStringLiteral("folder|") + title);
        return take(folderAnswers, std::optional<QString>());
    }
    QStringList pickFilesToOpen(const QString& title, const QStringList& types) override {
        shown.append(QStringLiteral("files|") + title);
        lastFileTypes = types;
        return take(fileAnswers, QStringList());
    }

    std::optional<QString> askText(const QString& caption, const QString& label, const QString& initialText) override {
        shown.append(QStringList{QStringLiteral("text"), caption, label, initialText}.join(QLatin1Char('|')));
        return take(textAnswers, std::optional<QString>());
    }

    // How many recorded entries contain this text.
    [[nodiscard]] qsizetype count(const QString& text) const {
        return std::count_if(shown.cbegin(), shown.cend(), [&](const QString& entry) { return entry.contains(text); });
    }

private:
    template <typename T> static T take(std::deque<T>& queue, T fallback) {
        if (queue.empty())
            return fallback;
        T answer = std::move(queue.front());
        queue.pop_front();
        return answer;
    }
};
