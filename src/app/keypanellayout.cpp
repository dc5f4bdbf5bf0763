#include "app/keypanellayout.h"

namespace {

constexpr int kFixedKeyWidthPx = 35;
constexpr int kFixedKeyHeightPx = 25;
constexpr int kFixedKeyPitchPx = 43;

int KindOf(int model, int index) {
    const int lastNormal = model == 2 ? 18 : 7;
    if (index <= lastNormal)
        return 0;
    return index <= 31 ? 3 : 4;
}

KeyPanelPlaces Model0(int W, int H) {
    KeyPanelPlaces places{};
    const int w = W / 16, h = H / 11, g = W / 80;
    const int m = (W - 3 * g - 4 * w) / 6, p = g + w;
    for (int i = 0; i < 36; ++i) {
        KeyPlace& k = places[size_t(i)];
        k.width = w;
        k.height = h;
        if (i < 8) {
            const int r = i / 2, c = i % 2;
            k.x = m + p * (c + 1);
            k.y = H / 11 + r * (H / 11 + H / 15);
        } else if (i < 32) {
            const int j = i - 8, r = j / 6, c = j % 6;
            k.x = m + p * (6 + c);
            k.y = H / 8 + r * (H / 10 + H / 11);
        } else {
            k.x = m + p * (i - 32);
            k.y = H / 11 + 4 * (H / 11 + H / 15);
        }
    }
    return places;
}

// Keys first to last in a row at the fixed pitch, the first at (x, y).
void PlaceRow(KeyPanelPlaces& places, int first, int last, int x, int y) {
    for (int i = first; i <= last; ++i)
        places[size_t(i)] = {x + kFixedKeyPitchPx * (i - first), y};
}

KeyPanelPlaces Model1(int W, int H) {
    KeyPanelPlaces places{};
    const int x0 = (W - 164) / 2;
    PlaceRow(places, 0, 3, x0, 20);
    PlaceRow(places, 4, 7, x0, 65);
    PlaceRow(places, 8, 19, 20, H / 2 + 20);
    PlaceRow(places, 20, 31, 20, H / 2 + 65);
    PlaceRow(places, 32, 35, x0, 110);
    return places;
}

KeyPanelPlaces Model2(int W) {
    KeyPanelPlaces places{};
    const int x0 = (W - 336) / 2 + 20;
    PlaceRow(places, 0, 3, x0, 20);
    PlaceRow(places, 4, 7, x0, 65);
    PlaceRow(places, 8, 14, x0, 110);
    // Keys 15 to 18 form a cross to the right.
    places[15] = {x0 + 215, 80};
    places[16] = {x0 + 172, 50};
    places[17] = {x0 + 215, 20};
    places[18] = {x0 + 258, 50};
    PlaceRow(places, 19, 31, 10, 225);
    PlaceRow(places, 32, 35, x0 + kFixedKeyPitchPx, 155);
    return places;
}

} // namespace

std::optional<KeyPanelPlaces> KeyPanelLayout(int model, int frameWidth, int frameHeight) {
    KeyPanelPlaces places;
    switch (model) {
    case 0:
        places = Model0(frameWidth, frameHeight);
        break;
    case 1:
        places = Model1(frameWidth, frameHeight);
        break;
    case 2:
        places = Model2(frameWidth);
        break;
    default:
        return std::nullopt;
    }
    for (int i = 0; i < 36; ++i) {
        KeyPlace& k = places[size_t(i)];
        k.kind = KindOf(model, i);
        if (model != 0) {
            k.width = kFixedKeyWidthPx;
            k.height = kFixedKeyHeightPx;
        }
    }
    return places;
}

std::string SystemKeyName(int index) {
    switch (index) {
    case 32:
        return "IOL";
    case 33:
        return "IOH";
    case 34:
        return "Time";
    case 35:
        return "Start";
    default:
        return {};
    }
}
