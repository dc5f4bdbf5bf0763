#pragma once
// The one seam through which every message box, question and file dialog
// goes. The program installs a Qt implementation at start-up; tests install
// a scripted one that records every text and answers from a script.
//
// Texts are the program's 8-bit text (code page 936). The free functions may
// be called from any thread: off the user-interface thread they hand the
// request to that thread and wait for the answer, so a worker never opens a
// widget itself.

#include <QString>
#include <optional>
#include <string>

namespace prompt {

enum class Buttons { Ok, OkCancel, YesNo, YesNoCancel };
enum class Answer { Ok, Cancel, Yes, No };
// Default: exclamation for Ok and OkCancel, question for YesNo and
// YesNoCancel, as the framework's message boxes choose when none is given.
enum class Icon { Default, None, Information, Warning, Question, Critical };

struct MessageRequest {
    std::string text;
    std::string caption;          // empty: the program's title
    Buttons buttons = Buttons::Ok;
    Answer defaultAnswer = Answer::Ok;
    Icon icon = Icon::Default;
};

struct FileRequest {
    bool save = false;
    QString title;                // empty: the desktop's default
    QString folder;               // starting folder
    QString fileName;             // proposed name (save)
    QString filter;               // e.g. "Project Files (*.dvp)"
    QString defaultSuffix;        // appended when the name has none (save)
};

class Prompter {
public:
    virtual ~Prompter() = default;
    virtual Answer Message(const MessageRequest& request) = 0;
    // The question dialog with a title and a text, OK and Cancel.
    virtual Answer Ask(const std::string& title, const std::string& text) = 0;
    // The chosen path, or nothing when the user cancelled.
    virtual std::optional<QString> ChooseFile(const FileRequest& request) = 0;
};

// Installs the prompter used from now on (not owned); returns the previous one.
Prompter* SetPrompter(Prompter* prompter);
Prompter* CurrentPrompter();

// A message box; with no prompter installed the text goes to standard error
// and the default answer is returned.
Answer MessageBox(const std::string& text, Buttons buttons = Buttons::Ok,
                  const std::string& caption = {}, Answer defaultAnswer = Answer::Ok,
                  Icon icon = Icon::Default);
Answer Ask(const std::string& title, const std::string& text);
std::optional<QString> ChooseFile(const FileRequest& request);

} // namespace prompt
