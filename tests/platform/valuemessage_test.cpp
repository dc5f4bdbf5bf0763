#include "platform/valuemessage.h"
#include "support/scripted_prompter.h"

#include <gtest/gtest.h>

TEST(ValueMessage, ShowsTheLabelAndTheValueInDecimalOrHex) {
    ScriptedPrompter prompter;
    ShowValueMessage(255, false, "frames");
    ShowValueMessage(255, true, "mask");
    ShowValueMessage(-3, false, "n");
    EXPECT_EQ(prompter.Texts(), (std::vector<std::string>{"frames=255", "mask=ff", "n=-3"}));
    EXPECT_EQ(prompter.Messages()[0].buttons, prompt::Buttons::Ok);
}
