#pragma once
// The data controls that the RS232 page, the Compare page and the RS232
// library editor share: the format radios (ASCII 0, hex 1), the end-
// character group box with its radios (none 0, CR 1, CR LF 2), shown for
// ASCII only, and the data edit, whose typing filter follows the format.
//
// The owner creates and places the controls and keeps the format and end
// character in members of its own; this object reads the radios into those
// members and writes them back, as the owner's UpdateData does.

#include <QString>
#include <string>
#include <vector>

class CRS232Edit;
class QButtonGroup;
class QComboBox;
class QGroupBox;
class QObject;
class QRadioButton;

class SerialDataControls {
public:
    struct Controls {
        QRadioButton* ascii;
        QRadioButton* hex;
        QGroupBox* endCharBox;
        QRadioButton* endNone;
        QRadioButton* endCr;
        QRadioButton* endCrLf;
        CRS232Edit* data;
    };

    // `format` and `endChar` are the owner's members; the radio groups are
    // children of `owner`.
    SerialDataControls(const Controls& controls, int& format, int& endChar, QObject* owner);

    // The radios into the members (-1 for a group with none checked).
    void Read();
    // The members into the radios; a value without a radio checks none.
    void Write();

    void ShowEndChar(bool show);
    // The data edit takes hex digits only while `format` is hex.
    void SetTypingMode(int format);
    // The data edit's text (trimmed first when `trim`) as hex pairs
    // followed by the end character's pairs; an empty text stays as it is.
    void ConvertToHex(bool trim);

    // "ascii" clicked on a page: data that was hex is emptied (it is not
    // turned back into text) and the end characters come back.
    void OnAsciiClicked();
    // "hex" clicked: text data becomes hex pairs and the end characters go.
    // The editor trims the text first; the pages take it as it stands.
    void OnHexClicked(bool trim);

    const Controls m_controls;

private:
    int& m_nFormat;
    int& m_nEndChar;
    QButtonGroup* m_groupFormat;
    QButtonGroup* m_groupEndChar;
};

// The list's entries, in order.
void FillCombo(QComboBox* combo, const std::vector<std::string>& entries);

// The four serial setting lists filled, with 9600 baud, 8 data bits, 1 stop
// bit and no parity selected.
void FillSerialSettingCombos(QComboBox* baud, QComboBox* dataBits, QComboBox* stopBits, QComboBox* parity);

// Selects a parity by its text, exactly or letter case aside. After the user
// chose 7 data bits the list lacks "NONE": a parity the list does not hold
// brings the whole list back, rather than leaving another parity selected
// (which the next save or Add would write). True when it is selected.
bool SelectParity(QComboBox* parity, const std::string& text, bool caseSensitive);
