#pragma once
// The question and notice dialog: the caller sets a title and a message,
// runs it modally and reads OK or Cancel back. Return presses OK; Escape and
// the close box answer Cancel.

#include "controls/modaldialog.h"

#include <string>

class QLabel;
class QPushButton;

class CDlgAsk : public ModalDialog {
    Q_OBJECT
public:
    explicit CDlgAsk(QWidget* parent = nullptr);

    // Both empty after construction; set them before DoModal. The title
    // replaces the caption always, so an empty one leaves the title bar empty.
    std::string m_strText;
    std::string m_strTitle;

    // The text as shown: a carriage return, alone or before a line feed,
    // starts a new line.
    static QString MessageLines(const std::string& text);

    QLabel* m_staticText;     // 1181
    QPushButton* m_btnOk;     // 1
    QPushButton* m_btnCancel; // 2

protected:
    void OnInitDialog() override;
};
