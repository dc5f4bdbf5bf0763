#include "platform/valuemessage.h"

#include "platform/prompter.h"
#include "platform/textutil.h"

void ShowValueMessage(int value, bool hex, const std::string& label) {
    prompt::MessageBox(label + (hex ? txt::Format("=%x", unsigned(value)) : txt::Format("=%d", value)));
}
