#pragma once
// Where the 36 keys of each device model sit in the "Panel Set" frame, and
// which kind each key has. Positions are relative to the frame's top-left
// corner; every division truncates toward zero, as the device's layouts were
// drawn with integer arithmetic.

#include <array>
#include <optional>
#include <string>

struct KeyPlace {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    int kind = 0; // 0 normal, 3 virtual, 4 system; also the key's colour scheme
};

using KeyPanelPlaces = std::array<KeyPlace, 36>;

// The places of model 0, 1 or 2 in a frame of the given size; nothing for
// any other model (no panel is built).
std::optional<KeyPanelPlaces> KeyPanelLayout(int model, int frameWidth, int frameHeight);

// The fixed names of the system keys 32 to 35 ("IOL", "IOH", "Time",
// "Start"); empty for any other key.
std::string SystemKeyName(int index);
