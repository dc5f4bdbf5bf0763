#pragma once
// The COM-port dialog: lists the machine's serial ports and hands back the
// one chosen. m_nPort is its number in the list, counted from 1 (0 when
// nothing was chosen, which the callers refuse); m_strPort its device path.

#include "controls/modaldialog.h"

#include <string>
#include <vector>

class QComboBox;
class QLabel;
class QPushButton;

class CDlgCom : public ModalDialog {
    Q_OBJECT
public:
    explicit CDlgCom(QWidget* parent = nullptr);

    // Fills m_arrPorts with the serial ports found (also those another
    // program holds open); returns how many.
    int EnumComPorts();
    void OnBnClickedOk();

    QComboBox* m_comboPorts;  // 1089
    QLabel* m_label;          // 1210, "COM:"
    QPushButton* m_btnOk;     // 1
    QPushButton* m_btnCancel; // 2
    std::vector<std::string> m_arrPorts;
    int m_nPort = 0;
    std::string m_strPort;

protected:
    void OnInitDialog() override;
};
