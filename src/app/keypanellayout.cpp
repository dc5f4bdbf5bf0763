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

KeyPanelPlaces Model1(int W, int H) {
    KeyPanelPlaces places{};
    const int x0 = (W - 164) / 2;
    for (int i = 0; i < 36; ++i) {
        KeyPlace& k = places[size_t(i)];
        if (i < 4) {
            k.x = x0 + kFixedKeyPitchPx * i;
            k.y = 20;
        } else if (i < 8) {
            k.x = x0 + kFixedKeyPitchPx * (i - 4);
            k.y = 65;
        } else if (i < 20) {
            k.x = 20 + kFixedKeyPitchPx * (i - 8);
            k.y = H / 2 + 20;
        } else if (i < 32) {
            k.x = 20 + kFixedKeyPitchPx * (i - 20);
            k.y = H / 2 + 65;
        } else {
            k.x = x0 + kFixedKeyPitchPx * (i - 32);
            k.y = 110;
        }
    }
    return places;
}

KeyPanelPlaces Model2(int W) {
    KeyPanelPlaces places{};
    const int x0 = (W - 336) / 2 + 20;
    for (int i = 0; i < 36; ++i) {
        KeyPlace& k = places[size_t(i)];
        if (i < 4) {
            k.x = x0 + kFixedKeyPitchPx * i;
            k.y = 20;
        } else if (i < 8) {
            k.x = x0 + kFixedKeyPitchPx * (i - 4);
            k.y = 65;
        } else if (i < 15) {
            k.x = x0 + kFixedKeyPitchPx * (i - 8);
            k.y = 110;
        } else if (i == 15) {
            k.x = x0 + 215;
            k.y = 80;
        } else if (i == 16) {
            k.x = x0 + 172;
            k.y = 50;
        } else if (i == 17) {
            k.x = x0 + 215;
            k.y = 20;
        } else if (i == 18) {
            k.x = x0 + 258;
            k.y = 50;
        } else if (i < 32) {
            k.x = 10 + kFixedKeyPitchPx * (i - 19);
            k.y = 225;
        } else {
            k.x = x0 + kFixedKeyPitchPx * (i - 32 + 1);
            k.y = 155;
        }
    }
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
