#pragma once
// The IR library editor's side of IR learning: while it is open, the main
// window hands every complete learned-code frame with a right checksum to
// the top-level window titled "IR Edit" through this interface.

class IrLearnReceiver {
public:
    virtual ~IrLearnReceiver() = default;
    // A whole learned-code frame of `length` bytes, valid during the call.
    virtual void OnLearnData(const char* frame, int length) = 0;
};

// The exact title by which the main window finds the IR library editor.
inline constexpr const char* kIrEditTitle = "IR Edit";
