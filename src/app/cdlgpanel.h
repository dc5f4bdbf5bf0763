#pragma once
// The port-mode dialog: which of the device's outputs serve RS232 and which
// IR. It starts on the port mode given to it and asks "This will clear all
// actions and event" whenever the user picks another entry. OK stays
// disabled while no entry is chosen (a stored port mode outside 0 to 3
// shows none), so the dialog never hands back a port mode that is not one.

#include "controls/modaldialog.h"

class QComboBox;
class QLabel;
class QPushButton;

class CDlgPanel : public ModalDialog {
    Q_OBJECT
public:
    // `portMode` is the main window's port mode, the dialog's first choice.
    explicit CDlgPanel(int portMode, QWidget* parent = nullptr);

    static constexpr int kPortModeCount = 4;
    // The entry text of port mode 0 to 3; empty for any other value.
    static QString PortModeText(int portMode);

    // The choice: the given port mode once the dialog is shown, then what
    // the user chose; read it after DoModal answered kIdOk.
    int m_nPortMode = -1;

    QComboBox* m_comboPortMode; // 1146
    QLabel* m_label;
    QPushButton* m_btnOk;     // 1
    QPushButton* m_btnCancel; // 2

    // The user picked entry `index`.
    void OnCbnSelchangeComboPortMode(int index);
    void OnBnClickedOk();

protected:
    void OnInitDialog() override;

private:
    void UpdateOkButton();

    int m_nInitialPortMode;
};
