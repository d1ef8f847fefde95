#pragma once

namespace qvr {

// The kind of number each configuration-property box holds decides both how far its spin button steps
// and which keys it takes: whole numbers, halves, tenths, and a signed temperature offset.

// The spin step of txtNci(box): 0.1, 0.5 or 1.
double NciStep(int box);
// Whether txtNci(box) takes the decimal separator (its step is below 1).
bool NciTakesDecimals(int box);
// Whether txtNci(box) takes a minus sign: only the temperature offset (row 51) can be negative.
bool NciTakesSign(int box);

// The spin step of the setting values of the setting inputs (txtnviset).
inline constexpr double kSettingStep = 0.5;

}  // namespace qvr
