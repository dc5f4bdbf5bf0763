#pragma once
// The "RS232" event page: a string that the device sends on one of its
// RS232 ports with given serial settings, once or a number of times with a
// delay in between (UART events). The string is typed in the data edit, as
// text or as hex bytes, or copied from a function of an RS232 code library
// that the page loads and looks up by name. Enter is dropped.
//
// Add: the data check, the Action List check, the port check ("Rs232
// selection port "), a chosen port and send mode, then the event. Edit
// checks the data, the Event List, its selection and the Action List, then
// the port ("RS232 selection port ") and the choices. Neither looks the
// library function up: the names are written as they stand and the data
// edit holds what is sent.

#include "editors/eventpage.h"
#include "editors/libraryfiles.h"
#include "editors/serialdatacontrols.h"
#include "editors/serialeventtext.h"
#include "editors/slidereditpair.h"
#include "model/crs232libfun.h"
#include "model/crs232libset.h"

#include <memory>

class CRS232Edit;

class CPageView3Rs232 : public EventPage {
    Q_OBJECT
public:
    explicit CPageView3Rs232(QWidget* parent = nullptr);

    void LoadEvent(std::string text) override;
    std::string BuildEventText() override;
    void OnBnClickedAdd() override;
    void OnBnClickedEdit() override;

    void OnCbnSelchangeComboActive();
    void OnBnClickedEditLib();
    void OnBnClickedChangeLib();
    void OnCbnSelchangeComboLibFunction();
    void OnCbnSelchangeComboDataBit();
    void OnBnClickedRadioAscii();
    void OnBnClickedRadioHex();
    void OnBnClickedClear();

    // Finds the Lib Function list's function in Library/<Lib Name>.rss and
    // keeps a copy in m_rsFun; false after its message.
    bool LookupLibFunction();

    // true: the radios into m_nFormat and m_nEndChar (-1 when none is
    // checked); false: the members into the radios.
    void UpdateData(bool saveAndValidate);

    QLineEdit* m_editLibName;      // 1039, read-only: the library's stored name
    QComboBox* m_comboLibFunction; // 1041, sorted
    QComboBox* m_comboActive;      // 1042: "Send Once", "Send Multiple"
    QComboBox* m_comboPort;        // 1043
    QSlider* m_sliderRepeat;       // 1046
    QSlider* m_sliderDelay;        // 1047
    QLineEdit* m_editRepeat;       // 1048
    QLineEdit* m_editDelay;        // 1049
    QLabel* m_staticRepeat;        // 1050
    QLabel* m_staticDelay;         // 1051
    QComboBox* m_comboBaud;        // 1176
    QComboBox* m_comboDataBit;     // 1178
    QComboBox* m_comboStopBit;     // 1177
    QComboBox* m_comboParity;      // 1179
    int m_nFormat = 0;             // radio group 1171: 0 ASCII, 1 hex
    int m_nEndChar = 0;            // radio group 1173: 0 none, 1 CR, 2 CR LF
    CRS232Edit* m_editData;        // 1082
    QGroupBox* m_staticEndChar;    // 1136 "End Char For Ascii Format"
    QLineEdit* m_editEventName;    // 1180
    CRS232LibSet m_rsLib;          // the library last loaded
    CRS232LibFun m_rsFun;          // the function of the last successful lookup
    int m_nKey = 0;                // the selected key action at the last Add or Edit
    int m_nSlot = 0;

    QPushButton* m_btnChangeLib; // 1045
    QPushButton* m_btnEditLib;   // 1044
    QPushButton* m_btnClear;     // 1092
    // m_btnAdd 1072 "Add", m_btnEdit 1073 "Edit" (EventPage)
    QRadioButton* m_radioAscii;   // 1171 "ascii"
    QRadioButton* m_radioHex;     // 1172 "hex"
    QRadioButton* m_radioEndNone; // 1173 "None"
    QRadioButton* m_radioEndCr;   // 1175 "Enter": CR
    QRadioButton* m_radioEndCrLf; // 1174 "Carriage Return": CR LF
    SliderEditPair* m_pairRepeat;
    SliderEditPair* m_pairDelay;

protected:
    bool CheckPageData() override;
    bool CheckPort(bool edit) override;

private:
    void OnInitDialog();
    void StoreCurrentKeyAction();
    // The library file Library/<name>.rss into m_rsLib (emptied first).
    LibraryRead LoadLibrary(const std::string& name);
    std::array<QWidget*, 3> RepeatControls() const;
    std::array<QWidget*, 3> DelayControls() const;

    std::unique_ptr<SerialDataControls> m_data;
};
