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
    // When the bar and the button are made: at once, or when the dialog is
    // first shown or its bar first used (the main window keeps one for its
    // whole life, and most runs of the program upload nothing).
    enum class Controls { Now, OnFirstUse };

    explicit CDlgProgress(QWidget* parent = nullptr, Controls controls = Controls::Now);

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
    void setVisible(bool visible) override;

    // Made by the time the dialog shows.
    QProgressBar* m_progress = nullptr; // 1164
    QPushButton* m_btnCancel = nullptr; // 2

protected:
    // Runs at every DoModal: the bar's range 0 to m_nRange, position 0.
    void OnInitDialog() override;
    void showEvent(QShowEvent* event) override;

private:
    void CreateControls();

    bool m_bShownBefore = false;
};
