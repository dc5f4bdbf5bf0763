#include "app/qtprompter.h"

#include "app/cdlgask.h"
#include "platform/codepage.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>

namespace {

QMessageBox::Icon BoxIcon(const prompt::MessageRequest& request) {
    using prompt::Icon;
    switch (request.icon) {
    case Icon::None:
        return QMessageBox::NoIcon;
    case Icon::Information:
        return QMessageBox::Information;
    case Icon::Warning:
        return QMessageBox::Warning;
    case Icon::Question:
        return QMessageBox::Question;
    case Icon::Critical:
        return QMessageBox::Critical;
    case Icon::Default:
        break;
    }
    const bool yesNo =
        request.buttons == prompt::Buttons::YesNo || request.buttons == prompt::Buttons::YesNoCancel;
    return yesNo ? QMessageBox::Question : QMessageBox::Warning;
}

QMessageBox::StandardButtons BoxButtons(prompt::Buttons buttons) {
    switch (buttons) {
    case prompt::Buttons::OkCancel:
        return QMessageBox::Ok | QMessageBox::Cancel;
    case prompt::Buttons::YesNo:
        return QMessageBox::Yes | QMessageBox::No;
    case prompt::Buttons::YesNoCancel:
        return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    case prompt::Buttons::Ok:
        break;
    }
    return QMessageBox::Ok;
}

QMessageBox::StandardButton BoxButton(prompt::Answer answer) {
    switch (answer) {
    case prompt::Answer::Cancel:
        return QMessageBox::Cancel;
    case prompt::Answer::Yes:
        return QMessageBox::Yes;
    case prompt::Answer::No:
        return QMessageBox::No;
    case prompt::Answer::Ok:
        break;
    }
    return QMessageBox::Ok;
}

} // namespace

QWidget* QtPrompter::DialogParent() {
    if (QWidget* modal = QApplication::activeModalWidget())
        return modal;
    return QApplication::activeWindow();
}

prompt::Answer QtPrompter::Message(const prompt::MessageRequest& request) {
    const QString caption = cp936::ToUnicode(request.caption.empty() ? kDefaultCaption : request.caption);
    QMessageBox box(BoxIcon(request), caption, CDlgAsk::MessageLines(request.text),
                    BoxButtons(request.buttons), DialogParent());
    // A default that is not among the buttons leaves the first one default.
    if (QAbstractButton* preferred = box.button(BoxButton(request.defaultAnswer)))
        box.setDefaultButton(qobject_cast<QPushButton*>(preferred));
    box.exec();
    switch (box.standardButton(box.clickedButton())) {
    case QMessageBox::Yes:
        return prompt::Answer::Yes;
    case QMessageBox::No:
        return prompt::Answer::No;
    case QMessageBox::Ok:
        return prompt::Answer::Ok;
    case QMessageBox::Cancel:
        return prompt::Answer::Cancel;
    default:
        break;
    }
    // Closed without a button: the box's escape answer.
    switch (request.buttons) {
    case prompt::Buttons::Ok:
        return prompt::Answer::Ok;
    case prompt::Buttons::YesNo:
        return prompt::Answer::No;
    default:
        return prompt::Answer::Cancel;
    }
}

prompt::Answer QtPrompter::Ask(const std::string& title, const std::string& text) {
    CDlgAsk dialog(DialogParent());
    dialog.m_strTitle = title;
    dialog.m_strText = text;
    return dialog.DoModal() == ModalDialog::kIdOk ? prompt::Answer::Ok : prompt::Answer::Cancel;
}

std::optional<QString> QtPrompter::ChooseFile(const prompt::FileRequest& request) {
    QFileDialog dialog(DialogParent(), request.title, request.folder, request.filter);
    dialog.setAcceptMode(request.save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(request.save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    if (!request.defaultSuffix.isEmpty())
        dialog.setDefaultSuffix(request.defaultSuffix);
    if (!request.fileName.isEmpty())
        dialog.selectFile(request.fileName);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    const QStringList chosen = dialog.selectedFiles();
    if (chosen.isEmpty())
        return std::nullopt;
    return chosen.first();
}
