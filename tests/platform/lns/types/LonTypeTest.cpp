#include "platform/lns/types/LonTypes.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "platform/lns/LnsError.h"

namespace {

using lns::FindLonType;
using lns::FindPropertyType;
using lns::RawValue;

std::string WithDecimalComma(std::string text) {
  std::replace(text.begin(), text.end(), '.', ',');
  return text;
}

// Parses and formats again, with "." and with ",", and gives the raw bytes of the "." reading.
RawValue ExpectRoundTrip(const lns::LonType& type, const std::string& dotted) {
  SCOPED_TRACE(type.Name() + " \"" + dotted + "\"");
  RawValue raw = type.Parse(dotted, ".");
  EXPECT_EQ(raw.size(), type.Size());
  EXPECT_EQ(type.Format(raw, "."), dotted);
  const std::string comma = WithDecimalComma(dotted);
  RawValue rawFromComma = type.Parse(comma, ",");
  EXPECT_EQ(rawFromComma, raw);
  EXPECT_EQ(type.Format(rawFromComma, ","), comma);
  return raw;
}

std::string RefusalOf(const lns::LonType& type, const std::string& text, const std::string& sep = ".") {
  try {
    type.Parse(text, sep);
  } catch (const lns::LnsError& error) {
    EXPECT_EQ(error.Number(), lns::kLnsInvalidValue);
    EXPECT_NE(error.Description().find(type.Name()), std::string::npos) << error.Description();
    return error.Description();
  }
  ADD_FAILURE() << type.Name() << " accepted \"" << text << "\"";
  return "";
}

void ExpectRefused(const lns::LonType& type, const std::string& text, const std::string& what,
                   const std::string& sep = ".") {
  SCOPED_TRACE(type.Name() + " \"" + text + "\"");
  const std::string description = RefusalOf(type, text, sep);
  EXPECT_NE(description.find(what), std::string::npos) << description;
}

TEST(LonType, EveryTypeRoundTripsWithPointAndComma) {
  const std::vector<std::pair<std::string, std::vector<std::string>>> samples = {
      {"SNVT_lev_cont", {"0.0", "2.5", "100.0"}},
      {"SNVT_lev_percent", {"-163.840", "0.000", "12.345", "163.835"}},
      {"SNVT_lux", {"0", "500", "65535"}},
      {"SNVT_temp_p", {"-273.17", "-0.50", "21.50", "327.67"}},
      {"SNVT_temp_diff_p", {"-327.68", "1.25", "327.67"}},
      {"SNVT_time_sec", {"0.0", "600.0", "6553.5"}},
      {"SNVT_time_min", {"0", "15", "65535"}},
      {"SNVT_count", {"2", "65535"}},
      {"SNVT_occupancy", {"OC_NUL", "OC_OCCUPIED", "OC_UNOCCUPIED", "OC_BYPASS", "OC_STANDBY"}},
      {"SNVT_hvac_mode", {"HVAC_NUL", "HVAC_AUTO", "HVAC_MRNG_WRMUP", "HVAC_NO_LOAD"}},
      {"SNVT_switch", {"100.0 1", "0.0 0", "0.0 -1", "50.5 1"}},
      {"SNVT_setting",
       {"SET_ON 100.0 0.00", "SET_OFF 0.0 0.00", "SET_NUL 127.5 655.34", "SET_DOWN 0.5 -359.98"}},
      {"SNVT_state", {"0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0", "1 0 1 1 0 0 0 0 0 0 0 0 0 0 0 1"}},
      {"SNVT_muldiv", {"1000/100", "0/65535", "7/0"}},
      {"SNVT_temp_setpt", {"23.00,25.00,28.00,21.00,19.00,16.00", "-273.17,0.00,0.01,327.67,-1.50,16.25"}},
      {"SNVT_hvac_status",
       {"HVAC_HEAT 12.500 0.000 -1.005 163.835 -163.840 1", "HVAC_OFF 0.000 0.000 0.000 0.000 0.000 0"}},
      {"UNVT_str_hex4", {"0 0 0 1", "F A 0 9"}},
  };
  for (const auto& [typeName, texts] : samples) {
    for (const std::string& text : texts) ExpectRoundTrip(FindLonType(typeName), text);
  }
}

TEST(LonType, StoresTheWireBytes) {
  EXPECT_EQ(ExpectRoundTrip(FindLonType("SNVT_temp_p"), "21.50"), (RawValue{0x08, 0x66}));
  EXPECT_EQ(ExpectRoundTrip(FindLonType("SNVT_temp_p"), "-0.01"), (RawValue{0xFF, 0xFF}));
  EXPECT_EQ(ExpectRoundTrip(FindLonType("SNVT_switch"), "100.0 1"), (RawValue{200, 1}));
  EXPECT_EQ(ExpectRoundTrip(FindLonType("SNVT_switch"), "0.0 -1"), (RawValue{0, 0xFF}));
  EXPECT_EQ(ExpectRoundTrip(FindLonType("SNVT_setting"), "SET_NUL 127.5 655.34"),
            (RawValue{0xFF, 0xFF, 0x7F, 0xFF}));
  EXPECT_EQ(ExpectRoundTrip(FindLonType("SNVT_state"), "1 0 0 0 0 0 0 0 0 0 0 0 0 0 0 1"),
            (RawValue{0x80, 0x01}));
  EXPECT_EQ(ExpectRoundTrip(FindLonType("UNVT_str_hex4"), "0 0 0 1"), (RawValue{0x00, 0x01}));
  EXPECT_EQ(ExpectRoundTrip(FindLonType("SNVT_muldiv"), "1000/100"), (RawValue{0x03, 0xE8, 0x00, 0x64}));
  EXPECT_EQ(ExpectRoundTrip(FindLonType("SNVT_lev_percent"), "163.835"), (RawValue{0x7F, 0xFF}));
  EXPECT_EQ(FindLonType("SNVT_hvac_status").Size(), 12u);
  EXPECT_EQ(FindLonType("SNVT_temp_setpt").Size(), 12u);
}

TEST(LonType, SetPointsWithTheDecimalCommaArePairedAndTheDottedFormIsAccepted) {
  const lns::LonType& setPoints = FindPropertyType("SCPTsetPnts", "SNVT_temp_setpt");
  RawValue raw = setPoints.Parse("23.00,25.00,28.00,21.00,19.00,16.00", ".");
  EXPECT_EQ(setPoints.Format(raw, ","), "23,00,25,00,28,00,21,00,19,00,16,00");
  EXPECT_EQ(setPoints.Parse("23,00,25,00,28,00,21,00,19,00,16,00", ","), raw);
  // The system writes the set points with "." whatever the user's separator is.
  EXPECT_EQ(setPoints.Parse("23.00,25.00,28.00,21.00,19.00,16.00", ","), raw);
  EXPECT_EQ(setPoints.Parse("23,25,28,21,19,16", ","), raw);
  EXPECT_EQ(setPoints.Parse("23.00, 25.00, 28.00, 21.00, 19.00, 16.00", "."), raw);
  EXPECT_EQ(setPoints.Format(setPoints.Parse("21,5,19,50,20,0,22,00,23,01,24,99", ","), "."),
            "21.50,19.50,20.00,22.00,23.01,24.99");
  ExpectRefused(setPoints, "23,00,25,00,28,00,21,00,19,00", "needs 6 fields", ",");
  ExpectRefused(setPoints, "23,00,25,00,28,00,21,00,19,00,16", "needs 6 fields", ",");
}

TEST(LonType, AcceptsLooserNumberTextsAndRoundsToTheResolution) {
  const lns::LonType& level = FindLonType("SNVT_lev_cont");
  EXPECT_EQ(level.Format(level.Parse("100", "."), "."), "100.0");
  EXPECT_EQ(level.Format(level.Parse("2.3", "."), "."), "2.5");
  EXPECT_EQ(level.Format(level.Parse("2.2", "."), "."), "2.0");
  EXPECT_EQ(level.Format(level.Parse(" +7,5 ", ","), ","), "7,5");
  const lns::LonType& temperature = FindLonType("SNVT_temp_p");
  EXPECT_EQ(temperature.Format(temperature.Parse("21.555", "."), "."), "21.56");
  EXPECT_EQ(temperature.Format(temperature.Parse("-21.555", "."), "."), "-21.56");
  EXPECT_EQ(temperature.Format(temperature.Parse(",5", ","), ","), "0,50");
  EXPECT_EQ(temperature.Format(temperature.Parse("0021", "."), "."), "21.00");
  const lns::LonType& switchType = FindLonType("SNVT_switch");
  EXPECT_EQ(switchType.Format(switchType.Parse("  100.0    1 ", "."), "."), "100.0 1");
  const lns::LonType& hex = FindLonType("UNVT_str_hex4");
  EXPECT_EQ(hex.Format(hex.Parse("f a 0 9", "."), "."), "F A 0 9");
  // An empty separator setting cannot mark a fraction; "." stands in for it.
  EXPECT_EQ(temperature.Format(temperature.Parse("21.5", ""), ""), "21.50");
}

TEST(LonType, RefusesBadTextsNamingTheTypeAndTheFault) {
  ExpectRefused(FindLonType("SNVT_temp_p"), "", "empty");
  ExpectRefused(FindLonType("SNVT_switch"), "   ", "empty");
  ExpectRefused(FindLonType("SNVT_temp_p"), "abc", "\"abc\" is not a number");
  ExpectRefused(FindLonType("SNVT_temp_p"), "1.2.3", "not a number");
  ExpectRefused(FindLonType("SNVT_temp_p"), "--1", "not a number");
  ExpectRefused(FindLonType("SNVT_temp_p"), "1e3", "not a number");
  ExpectRefused(FindLonType("SNVT_temp_p"), "-", "not a number");
  ExpectRefused(FindLonType("SNVT_temp_p"), "21.5", "not a number", ",");
  ExpectRefused(FindLonType("SNVT_lux"), "2,5", "not a number", ".");
  ExpectRefused(FindLonType("SNVT_temp_p"), "327.68", "out of range (-273.17 to 327.67)");
  ExpectRefused(FindLonType("SNVT_temp_p"), "-273,18", "out of range (-273,17 to 327,67)", ",");
  ExpectRefused(FindLonType("SNVT_lev_cont"), "100.2", "out of range (0.0 to 100.0)");
  ExpectRefused(FindLonType("SNVT_lux"), "65536", "out of range");
  ExpectRefused(FindLonType("SNVT_lux"), "-1", "out of range");
  ExpectRefused(FindLonType("SNVT_count"), "99999999999999999999", "out of range");
  ExpectRefused(FindLonType("SNVT_time_sec"), "6553.6", "out of range");
  ExpectRefused(FindLonType("SNVT_lev_percent"), "-163.845", "out of range");
  ExpectRefused(FindLonType("SNVT_occupancy"), "OC_FOO", "\"OC_FOO\" is not one of OC_NUL, OC_OCCUPIED");
  ExpectRefused(FindLonType("SNVT_occupancy"), "oc_occupied", "is not one of");
  ExpectRefused(FindLonType("SNVT_hvac_mode"), "0", "is not one of");
  ExpectRefused(FindLonType("SNVT_switch"), "100.0 2", "state \"2\" is out of range (-1 to 1)");
  ExpectRefused(FindLonType("SNVT_switch"), "100.0", "needs 2 fields (value, state)");
  ExpectRefused(FindLonType("SNVT_switch"), "100.0 1 1", "needs 2 fields");
  ExpectRefused(FindLonType("SNVT_switch"), "100,0 1", "value \"100,0\" is not a number");
  ExpectRefused(FindLonType("SNVT_setting"), "SET_ON 127.0 0.00", "setting \"127.0\" is out of range");
  ExpectRefused(FindLonType("SNVT_setting"), "SET_ON 100.0 360.02", "rotation");
  ExpectRefused(FindLonType("SNVT_setting"), "SET_MAYBE 100.0 0.00", "function \"SET_MAYBE\" is not one of");
  ExpectRefused(FindLonType("SNVT_state"), "0 0 0 0 0 0 0 0 0 0 0 0 0 0 0", "16 digits 0 or 1");
  ExpectRefused(FindLonType("SNVT_state"), "0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 2", "16 digits 0 or 1");
  ExpectRefused(FindLonType("SNVT_state"), "0000000000000000", "16 digits 0 or 1");
  ExpectRefused(FindLonType("UNVT_str_hex4"), "G 0 0 0", "4 hex digits");
  ExpectRefused(FindLonType("UNVT_str_hex4"), "00 0 0", "4 hex digits");
  ExpectRefused(FindLonType("SNVT_muldiv"), "1000", "needs 2 fields (multiplier, divisor)");
  ExpectRefused(FindLonType("SNVT_muldiv"), "1000/65536", "divisor");
  ExpectRefused(FindLonType("SNVT_hvac_status"), "HVAC_HEAT 0.000 0.000 0.000 0.000 0.000 256", "in alarm");
  ExpectRefused(FindLonType("SNVT_temp_setpt"), "23.00,25.00", "needs 6 fields");
}

TEST(LonType, PropertyTypesNarrowTheirValueTypes) {
  const lns::LonType& holdTime = FindPropertyType("SCPTholdTime", "SNVT_time_sec");
  EXPECT_EQ(holdTime.Name(), "SCPTholdTime");
  EXPECT_EQ(holdTime.Index(), 91);
  EXPECT_EQ(holdTime.Format(holdTime.Parse("1.0", "."), "."), "1.0");
  EXPECT_EQ(FindLonType("SNVT_time_sec").Format(FindLonType("SNVT_time_sec").Parse("0.5", "."), "."), "0.5");
  const std::string refusal = RefusalOf(holdTime, "0,5", ",");
  EXPECT_NE(refusal.find("SCPTholdTime (SNVT_time_sec)"), std::string::npos) << refusal;
  EXPECT_NE(refusal.find("out of range (1,0 to 6553,5)"), std::string::npos) << refusal;

  const lns::LonType& valves = FindPropertyType("SCPTnumValves", "SNVT_count");
  ExpectRoundTrip(valves, "1");
  ExpectRoundTrip(valves, "2");
  ExpectRefused(valves, "0", "out of range (1 to 2)");
  ExpectRefused(valves, "3", "out of range (1 to 2)");

  const lns::LonType& setPoints = FindPropertyType("SCPTsetPnts", "SNVT_temp_setpt");
  ExpectRoundTrip(setPoints, "-10.00,35.00,28.00,21.00,19.00,16.00");
  ExpectRefused(setPoints, "23.00,25.00,35.01,21.00,19.00,16.00",
                "unoccupied cool \"35.01\" is out of range (-10.00 to 35.00)");
  ExpectRefused(setPoints, "23.00,25.00,28.00,21.00,19.00,-10.01", "unoccupied heat");
  ExpectRefused(setPoints, "23.00,25.00,28.00,21.00,19.00,327.67", "out of range");
  ExpectRoundTrip(FindLonType("SNVT_temp_setpt"), "23.00,25.00,40.00,21.00,19.00,-20.00");

  // A property type without limits of its own still names itself in its errors.
  ExpectRefused(FindPropertyType("SCPTmaxSendTime", "SNVT_time_sec"), "x", "SCPTmaxSendTime (SNVT_time_sec)");
  // Unknown property types, and a value type other than the property type's own, give the value type.
  EXPECT_EQ(&FindPropertyType("UCPTheatXp", "SNVT_temp_p"), &FindLonType("SNVT_temp_p"));
  EXPECT_EQ(&FindPropertyType("SCPTholdTime", "SNVT_count"), &FindLonType("SNVT_count"));
}

TEST(LonType, KnowsTheTypeIndexesAndRefusesUnknownNamesAndWrongSizes) {
  EXPECT_EQ(FindLonType("SNVT_switch").Index(), 95);
  EXPECT_EQ(FindLonType("SNVT_temp_setpt").Index(), 106);
  EXPECT_EQ(FindLonType("SNVT_hvac_status").Index(), 112);
  EXPECT_EQ(FindLonType("UNVT_str_hex4").Index(), -1);
  EXPECT_EQ(FindLonType("SNVT_switch").Name(), "SNVT_switch");
  try {
    FindLonType("SNVT_nothing");
    ADD_FAILURE() << "unknown type found";
  } catch (const lns::LnsError& error) {
    EXPECT_EQ(error.Number(), lns::kLnsNotFound);
    EXPECT_NE(error.Description().find("SNVT_nothing"), std::string::npos);
  }
  EXPECT_THROW(FindLonType("SNVT_temp_p").Format(RawValue{1}, "."), lns::LnsError);
  ASSERT_NE(lns::FindStandardPropertyType("SCPTtempOffset"), nullptr);
  EXPECT_EQ(lns::FindStandardPropertyType("SCPTtempOffset")->index, 227);
  EXPECT_EQ(lns::FindStandardPropertyType("UCPTheatXp"), nullptr);
}

}  // namespace
