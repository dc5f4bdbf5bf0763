#pragma once
// What the IR library editor needs of the main window's serial link to let
// the keypad learn a code. The main window implements it; the learned frames
// come back to the editor through IrLearnReceiver.

class IrLearnLink {
public:
    virtual ~IrLearnLink() = default;

    // The serial link to the keypad is open.
    virtual bool IsLinkOpen() const = 0;
    // Puts the window into IR-learn mode (every received chunk then goes to
    // the learned-code assembly, which starts afresh) and sends the learn
    // request. Learning stays on until StopIrLearning.
    virtual void StartIrLearning() = 0;
    // Ends IR-learn mode and returns the link to idle, whatever it was
    // doing.
    virtual void StopIrLearning() = 0;
};
