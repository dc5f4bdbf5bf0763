#pragma once
// A message box showing a label and a number: "label=%x" when `hex` is set,
// else "label=%d".

#include <string>

void ShowValueMessage(int value, bool hex, const std::string& label);
