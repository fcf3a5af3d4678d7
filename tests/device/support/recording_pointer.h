#pragma once

#include "device/pointer_settings.h"

namespace bexlan {

// Pointer settings that touch no desktop and only remember what they were given.
class RecordingPointer : public PointerSettings {
public:
    // Starts from values no conversion produces, so every applied value shows.
    explicit RecordingPointer(WindowsPointerValues start = {1, 1, 1}) : m_values(start) {}

    int32_t speed() const override { return m_values.speed; }
    bool setSpeed(int32_t speed) override { return record(m_values.speed, speed); }
    int32_t wheelScrollLines() const override { return m_values.wheelLines; }
    bool setWheelScrollLines(int32_t lines) override { return record(m_values.wheelLines, lines); }
    uint32_t doubleClickTime() const override { return m_values.doubleClickMs; }
    bool setDoubleClickTime(uint32_t ms) override { return record(m_values.doubleClickMs, ms); }

    int sets = 0;

private:
    template <typename T>
    bool record(T& field, T value)
    {
        field = value;
        ++sets;
        return true;
    }
    WindowsPointerValues m_values;
};

} // namespace bexlan
