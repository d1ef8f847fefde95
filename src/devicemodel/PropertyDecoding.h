#pragma once

#include "devicemodel/ValueTexts.h"

namespace qvr {

class Program;

// Decoding of the configuration-property rows into their editing controls. Each reads the texts that the
// main window has just put into its boxes (rows 50 and 54: the stored values) and writes only the
// controls and the composite parts; a step that fails is skipped.

// Rows 0 and 1 (value and state): CpPrimeValPart1/2 into boxes 80 and 81, CpSecondValPart1/2 into 82, 83.
void DecodeValueStatePairs(Program& program);
// Rows 17 and 28 into cmb_nci 17 and 28.
void DecodePowerUpStates(Program& program);
// Bit 0 of row 6 into cmb_nci 6.
void DecodeSensorLed(Program& program);
// Rows 19 and 30: the mode (bits 15, 14, 0) into cmb_nci 19 and 30, the override bit 1 into cmb_nci 0
// and 1.
void DecodeLightControllerOptions(Program& program, StartBitRule rule);
// Rows 21 and 32 (multiplier/divisor): LightRatio1Before into box 91, LightRatio1After into 90,
// LightRatio2Before into 93, LightRatio2After into 92.
void DecodeLightRatios(Program& program);
// Row 36: digit 1 into cmb_nci 36 (contact kind), digit 0 into cmb_nci 37 (input function).
void DecodeDigitalInputConfig(Program& program);
// QVR-L2: row 50 ("1", "2") into cmb_nci 50.
void DecodeValveCount(Program& program);
// QVR-L2: row 54 (HVAC_AUTO, HVAC_HEAT, HVAC_COOL, HVAC_OFF) into cmb_nci 54.
void DecodeHvacMode(Program& program);

}  // namespace qvr
