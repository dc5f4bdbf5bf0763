#pragma once
// The prompter of the running program: message boxes as QMessageBox, the
// question as CDlgAsk, file dialogs as QFileDialog, each modal to the
// window that is active. Install it once QApplication exists:
//   QtPrompter prompter; prompt::SetPrompter(&prompter);

#include "platform/prompter.h"

#include <QString>

class QWidget;

class QtPrompter : public prompt::Prompter {
public:
    // The caption of a message box that names none.
    static constexpr const char* kDefaultCaption = "Vorle-Control";

    prompt::Answer Message(const prompt::MessageRequest& request) override;
    prompt::Answer Ask(const std::string& title, const std::string& text) override;
    std::optional<QString> ChooseFile(const prompt::FileRequest& request) override;

private:
    static QWidget* DialogParent();
};
