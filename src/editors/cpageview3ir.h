#pragma once
// The "IR" event page: sends one function of an IR code library on one of
// the device's output ports (INFR events). The event carries a copy of the
// function's code, taken from the library file at every Add and Edit; a
// later change of the library changes no event until it is edited again.
//
// The library is chosen with Change Lib (its stored name is shown, and its
// functions fill the function box) or comes with a re-loaded event; Add and
// Edit look the function up in Library/<shown name>.irr first. Edit Lib
// opens the IR library editor on the shown library and function. Enter and
// Escape do nothing on this page.

#include "editors/eventpage.h"
#include "model/cirlibset.h"

#include <memory>
#include <string>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSlider;
class SliderEditPair;

class CPageView3Ir : public EventPage {
    Q_OBJECT
public:
    explicit CPageView3Ir(QWidget* parent = nullptr);
    ~CPageView3Ir() override;

    // The INFR event text: "INFR", the library name as given, the entry's
    // name (the text before its first ':', trimmed; empty without ':'), port,
    // carrier, send mode, count, interval, "c6" and the entry's code (the
    // text after its first ':' without leading blanks; the whole entry
    // without ':'), joined by " : ".
    static std::string FormatEventText(const std::string& libName, const std::string& entry, int port,
                                       int carrier, int sendMode, int count, int interval);

    void LoadEvent(std::string text) override;
    std::string BuildEventText() override;

    // 1 when the function shown on the page is in its library file, whose
    // entry is then in m_strFuncEntry; 0 after a message.
    int LookupLibFunction();

    void OnBnClickedChangeLib();
    void OnBnClickedEditLib();
    void OnCbnSelchangeComboActive();

    // The rules for IR ports by port mode.
    static const PortTable kPortTable;

    CIrLibSet m_irLib;
    QLineEdit* m_editLibName;    // 1097, read-only
    QComboBox* m_comboFunction;  // 1098, sorted
    QComboBox* m_comboActive;    // 1099: "Send Once", "Send Multiple"
    QComboBox* m_comboCarrier;   // 1100: "Off", "On"
    QComboBox* m_comboPort;      // 1107: "Port 1" - "Port 3"
    QLabel* m_labelRepeat;       // 1101
    QSlider* m_sliderRepeat;     // 1102
    QLineEdit* m_editRepeat;     // 1103
    QLabel* m_labelDelay;        // 1104
    QSlider* m_sliderDelay;      // 1105
    QLineEdit* m_editDelay;      // 1106
    std::string m_strFuncEntry;  // the entry found by the last lookup
    QPushButton* m_btnChangeLib; // 1045
    QPushButton* m_btnEditLib;   // 1044
    std::unique_ptr<SliderEditPair> m_repeat;
    std::unique_ptr<SliderEditPair> m_delay;

protected:
    bool CheckPageData() override;
    bool CheckPort(bool edit) override;

private:
    void OnInitDialog();
    // Empties the function box and fills it with the library's function
    // names in sorted order; nothing selected.
    void FillFunctions();
    void ShowSendMode(int sendMode);
};
