#pragma once
#include <cstdint>

enum TMouseButton : uint8_t { mbLeft, mbRight, mbMiddle };

// Keys and buttons held during a mouse or key event.
enum TShiftStateItem : uint8_t { ssShift, ssAlt, ssCtrl, ssLeft, ssRight, ssMiddle, ssDouble };
using TShiftState = uint8_t;  // bit n for the item of ordinal n
constexpr TShiftState ShiftBit(TShiftStateItem item) { return static_cast<TShiftState>(1u << item); }

// Mouse pointer shapes; the window binding maps them to its own.
using TCursor = int16_t;
constexpr TCursor crDefault = 0;
constexpr TCursor crArrow = -2;
constexpr TCursor crHandPoint = -21;
