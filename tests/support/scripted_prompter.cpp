#include "support/scripted_prompter.h"

#include <algorithm>

ScriptedPrompter::ScriptedPrompter() : m_previous(prompt::SetPrompter(this)) {}

ScriptedPrompter::~ScriptedPrompter() {
    prompt::SetPrompter(m_previous);
}

void ScriptedPrompter::QueueAnswer(prompt::Answer a) {
    std::lock_guard lock(m_mutex);
    m_answers.push_back(a);
}

void ScriptedPrompter::QueueFile(std::optional<QString> path) {
    std::lock_guard lock(m_mutex);
    m_files.push_back(std::move(path));
}

prompt::Answer ScriptedPrompter::Message(const prompt::MessageRequest& request) {
    std::lock_guard lock(m_mutex);
    m_texts.push_back(request.text);
    m_messages.push_back(request);
    if (m_answers.empty())
        return request.defaultAnswer;
    const prompt::Answer a = m_answers.front();
    m_answers.pop_front();
    return a;
}

prompt::Answer ScriptedPrompter::Ask(const std::string& title, const std::string& text) {
    std::lock_guard lock(m_mutex);
    m_texts.push_back(title + "|" + text);
    if (m_answers.empty())
        return prompt::Answer::Cancel;
    const prompt::Answer a = m_answers.front();
    m_answers.pop_front();
    return a;
}

std::optional<QString> ScriptedPrompter::ChooseFile(const prompt::FileRequest& request) {
    std::lock_guard lock(m_mutex);
    m_fileRequests.push_back(request);
    if (m_files.empty())
        return std::nullopt;
    auto f = m_files.front();
    m_files.pop_front();
    return f;
}

std::vector<std::string> ScriptedPrompter::Texts() const {
    std::lock_guard lock(m_mutex);
    return m_texts;
}

std::vector<prompt::MessageRequest> ScriptedPrompter::Messages() const {
    std::lock_guard lock(m_mutex);
    return m_messages;
}

std::vector<prompt::FileRequest> ScriptedPrompter::FileRequests() const {
    std::lock_guard lock(m_mutex);
    return m_fileRequests;
}

size_t ScriptedPrompter::Count(const std::string& text) const {
    std::lock_guard lock(m_mutex);
    return static_cast<size_t>(std::count(m_texts.begin(), m_texts.end(), text));
}

void ScriptedPrompter::Clear() {
    std::lock_guard lock(m_mutex);
    m_texts.clear();
    m_messages.clear();
    m_fileRequests.clear();
}
