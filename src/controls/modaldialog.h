#pragma once
// The base of the program's modal dialogs: OnInitDialog runs once, just
// before the dialog is first shown; DoModal runs it and answers kIdOk or
// kIdCancel; a dialog may choose to ignore Return and/or Escape anywhere
// inside it, so that only its buttons (and the close box) end it.

#include <QDialog>

class ModalDialog : public QDialog {
    Q_OBJECT
public:
    static constexpr int kIdOk = 1;
    static constexpr int kIdCancel = 2;

    explicit ModalDialog(QWidget* parent = nullptr);

    // Shows the dialog modally; kIdOk when it ended by accept(), else kIdCancel.
    int DoModal();

    // Return (and Enter) and Escape key presses anywhere in the dialog are
    // dropped while these are set.
    void SwallowKeys(bool returnKey, bool escapeKey);

protected:
    virtual void OnInitDialog() {}

    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool m_bInitDone = false;
    bool m_bSwallowReturn = false;
    bool m_bSwallowEscape = false;
};
