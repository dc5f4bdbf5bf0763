#include "device/uploadplan.h"

#include "model/cqvmcmd.h"
#include "model/cqvmeventstr.h"
#include "platform/textutil.h"

#include <bit>
#include <cstring>

namespace {

// Fixed progress steps before the key action frames: 6 for the start and the
// clear, SYSI, UAIR and the 32 KYNA frames; the LIPR frames come on top.
constexpr int kFixedSteps = 38;
constexpr int kGroupCount = 32;
constexpr int kNamedKeys = 32;

struct SlotParams {
    int code;
    int a;
    int b;
};

// The code and the two values SetKeyActionParams takes for a slot of a key.
SlotParams ParamsOf(const KeyRecord& key, int slot) {
    const int code = UploadPlan::SlotCode(slot);
    if (slot >= kSlotPageFirst && slot < kSlotToggleFirst)
        return {code, key.m_nParamA, (slot - kSlotPageFirst) % 4};
    if (slot >= kSlotToggleFirst && slot < kSlotIoLowFirst)
        return {code, key.m_nParamA, (slot - kSlotToggleFirst) % 4};
    if (slot >= kSlotIoLowFirst && slot < kSlotIoHighFirst)
        return {code, slot - kSlotIoLowFirst, 0};
    if (slot >= kSlotIoHighFirst && slot < kSlotTimeFirst)
        return {code, slot - kSlotIoHighFirst, 0};
    if (slot >= kSlotTimeFirst && slot < kSlotStart) {
        // Four timer slots but three timer values: the fourth sends the first.
        const int timer = slot - kSlotTimeFirst;
        return {code, timer, key.m_nTimer[static_cast<size_t>(timer % 3)]};
    }
    return {code, key.m_nParamA, 0};
}

} // namespace

UploadPlan::UploadPlan(const Keys& keys, int model, int portMode, int deviceId)
    : m_keys(keys), m_nModel(model), m_nPortMode(portMode), m_nDeviceId(deviceId) {}

int UploadPlan::CountedKeys(int model) {
    switch (model) {
    case 0:
    case 1:
        return 8;
    case 2:
        return 19;
    default:
        return 0;
    }
}

int UploadPlan::SlotCode(int slot) {
    if (slot == kSlotPress)
        return kCodePress;
    if (slot == kSlotRelease)
        return kCodeRelease;
    if (slot == kSlotLong)
        return kCodeLong;
    if (slot >= kSlotPageFirst && slot < kSlotToggleFirst)
        return kCodePage;
    if (slot >= kSlotToggleFirst && slot < kSlotIoLowFirst)
        return kCodeToggle;
    if (slot >= kSlotIoLowFirst && slot < kSlotIoHighFirst)
        return kCodeIoLow;
    if (slot >= kSlotIoHighFirst && slot < kSlotTimeFirst)
        return kCodeIoHigh;
    if (slot >= kSlotTimeFirst && slot < kSlotStart)
        return kCodeTime;
    if (slot == kSlotStart)
        return kCodeStart;
    if (slot == kSlotVirtual)
        return kCodeVirtual;
    return 0;
}

uint32_t UploadPlan::GroupMask() const {
    uint32_t mask = 0;
    for (int k = 0; k < CountedKeys(m_nModel); ++k) {
        const int group = m_keys[static_cast<size_t>(k)].m_nGroup;
        if (group >= 1 && group <= kGroupCount)
            mask |= 1u << (group - 1);
    }
    return mask;
}

int UploadPlan::ProgressRange(int actionListRows) const {
    const int lightFrames = m_nModel == 0 || m_nModel == 1 ? 10 : m_nModel == 2 ? 20 : 0;
    return actionListRows + kFixedSteps + lightFrames + std::popcount(GroupMask());
}

std::vector<std::string> UploadPlan::SetupFrames() const {
    std::vector<std::string> frames;
    char buffer[kFrameBufferSize];
    const auto add = [&](const CQvmCmd& cmd) { frames.emplace_back(cmd.Frame()); };

    if (m_nModel != 2) {
        CQvmCmd cmd(0, buffer, 0);
        cmd.BeginFrame(kCodeDeviceId);
        cmd.SetKeyActionParams(kCodeDeviceId, m_nDeviceId, 0, 0);
        cmd.EndFrame();
        add(cmd);
    }
    {
        CQvmCmd cmd(0, buffer, 0);
        cmd.BeginFrame(kCodePortMode);
        cmd.SetKeyActionParams(kCodePortMode, m_nPortMode, 0, 0);
        cmd.EndFrame();
        add(cmd);
    }
    for (int k = 0; k < kNamedKeys; ++k) {
        CQvmCmd cmd(0, buffer, 0);
        cmd.BuildKeyNameFrame(k, m_keys[static_cast<size_t>(k)].m_strName);
        add(cmd);
    }
    const int counted = CountedKeys(m_nModel);
    for (int k = 0; k < counted; ++k) {
        CQvmCmd cmd(0, buffer, 0);
        cmd.BuildKeyLightFrame(k, m_keys[static_cast<size_t>(k)].m_nLedLevel);
        add(cmd);
    }
    const uint32_t groups = GroupMask();
    for (int g = 1; g <= kGroupCount; ++g) {
        if (!(groups & (1u << (g - 1))))
            continue;
        uint32_t keyMask = 0;
        for (int k = 0; k < counted; ++k)
            if (m_keys[static_cast<size_t>(k)].m_nGroup == g)
                keyMask |= 1u << k;
        CQvmCmd cmd(0, buffer, 0);
        cmd.BuildKeyGroupFrame(g, keyMask);
        add(cmd);
    }
    return frames;
}

bool UploadPlan::IsKeyActionEmpty(int key, int slot) const {
    if (key < 0 || key >= kKeyCount || !KeyRecord::IsValidSlot(slot))
        return true;
    return m_keys[static_cast<size_t>(key)].IsKeyActionEmpty(slot);
}

UploadPlan::KeyActionFrame UploadPlan::BuildKeyActionFrame(int key, int slot) const {
    KeyActionFrame result;
    if (key < 0 || key >= kKeyCount || !KeyRecord::IsValidSlot(slot))
        return result;
    const KeyRecord& record = m_keys[static_cast<size_t>(key)];
    const CStringArray& texts = record.m_arrSlots[static_cast<size_t>(slot)];
    const SlotParams params = ParamsOf(record, slot);

    char buffer[kFrameBufferSize];
    CQvmCmd cmd(0, buffer, 0);
    cmd.BeginFrame(params.code);
    cmd.SetKeyActionParams(params.code, key, params.a, params.b);
    if (params.code == kCodePress) {
        // The repeat delay in tenths of a second: "05" for 5, "37" for 37,
        // the first two characters of a wider number.
        txt::PutDigitGroup(cmd.m_pBuf + 15, record.m_nRepeatDelay, 2);
    }
    cmd.PutDigits(static_cast<long>(texts.size()), 2);

    for (size_t i = 0; i < texts.size(); ++i) {
        const std::string text = txt::Trim(texts[i]);
        if (text.empty())
            continue;
        char scratch[kEventScratchSize];
        std::memset(scratch, kFrameFill, sizeof scratch);
        const int n = CQvmEventStr(text, scratch, 0).Encode();
        if (cmd.m_nLen + 2 + n > kMaxKeyActionFrameBytes) {
            result.eventsDropped = true;
            break;
        }
        cmd.PutDigits(static_cast<long>(i + 1), 2);
        cmd.Put(std::string_view(scratch, static_cast<size_t>(n)));
    }
    cmd.EndFrame();
    result.bytes = std::string(cmd.Frame());
    return result;
}
