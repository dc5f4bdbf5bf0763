#pragma once
// The upload's progress dialog "Programming Controller": a progress bar and
// Cancel. The main window keeps one for its whole life and runs it modally
// for every upload; the upload worker moves the bar and the main window
// closes the dialog with OK when the worker is done.
//
// Cancel (the button, Escape or the close box) sets the cancel flag, which
// the worker reads, and closes the dialog at once. Return does nothing: the
// dialog has no OK button, so only Cancel or the end of the upload close it.

#include "controls/modaldialog.h"

#include <atomic>

class QProgressBar;
class QPushButton;

class CDlgProgress : public ModalDialog {
    Q_OBJECT
public:
    explicit CDlgProgress(QWidget* parent = nullptr);

    // The bar's upper bound; set before DoModal.
    int m_nRange = 0;
    // Set by Cancel on the user-interface thread, read by the upload worker.
    // Cleared when an upload starts.
    std::atomic<bool> m_bCancel{false};

    // Moves the bar (user-interface thread).
    void SetPos(int position);
    int Pos() const;
    void OnBnClickedCancel();
    // Cancel, Escape and the close box end the dialog through here.
    void reject() override;

    QProgressBar* m_progress; // 1164
    QPushButton* m_btnCancel; // 2

protected:
    // Runs at every DoModal: the bar's range 0 to m_nRange, position 0.
    void OnInitDialog() override;
    void showEvent(QShowEvent* event) override;

private:
    bool m_bShownBefore = false;
};
