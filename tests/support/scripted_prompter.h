#pragma once
// A prompter for tests: records every message, question and file dialog and
// answers from a script. Installed for its lifetime.

#include "platform/prompter.h"

#include <deque>
#include <mutex>
#include <string>
#include <vector>

class ScriptedPrompter : public prompt::Prompter {
public:
    ScriptedPrompter();
    ~ScriptedPrompter() override;

    // Answers given in order; when the script is empty a message gets its
    // default answer, a question Cancel and a file dialog nothing.
    void QueueAnswer(prompt::Answer a);
    void QueueFile(std::optional<QString> path);

    prompt::Answer Message(const prompt::MessageRequest& request) override;
    prompt::Answer Ask(const std::string& title, const std::string& text) override;
    std::optional<QString> ChooseFile(const prompt::FileRequest& request) override;

    // Every text shown so far: messages as their text, questions as
    // "title|text".
    std::vector<std::string> Texts() const;
    std::vector<prompt::MessageRequest> Messages() const;
    std::vector<prompt::FileRequest> FileRequests() const;
    size_t Count(const std::string& text) const;
    void Clear();

private:
    mutable std::mutex m_mutex;
    prompt::Prompter* m_previous;
    std::deque<prompt::Answer> m_answers;
    std::deque<std::optional<QString>> m_files;
    std::vector<std::string> m_texts;
    std::vector<prompt::MessageRequest> m_messages;
    std::vector<prompt::FileRequest> m_fileRequests;
};
