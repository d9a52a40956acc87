// Cutting fields out of a line by position and converting them.
#pragma once

#include "data/monitoring_data.h"

#include <optional>
#include <string>
#include <string_view>

namespace monit12 {

class KestravoFile;

// Characters position..position+length-1 (counted from 1), or what remains of a shorter line.
std::string_view cutField(std::string_view line, std::size_t position, std::size_t length);

// Removes every character of code 32 or below at both ends.
std::string_view trimControls(std::string_view text);

// Code page 1252 bytes to UTF-8 (undefined bytes map to their C1 control code points).
std::string decodeCp1252(std::string_view bytes);

// The number grammar of an amount field, applied to the text exactly as it stands:
// blanks, optional sign, digits with an optional decimal separator and digits,
// optional exponent, blanks. Returns nothing when the text does not convert or overflows.
std::optional<long double> parseNumber(std::string_view text, char decimalSeparator);

// Cuts the 14-character amount field at `position`, converts it and divides by 100.
// Throws ConversionError carrying the field's 14 characters.
long double convertAmount(std::string_view line, std::size_t position, char decimalSeparator);

// Header line, in the order of the file's definition: NomeComune, E1, Obiettivo, DataDal, DataAl, Anno.
// Split in two so that the caller can write the name before the amounts are converted.
void takeHeaderName(std::string_view line, MonitoringData &data);
void takeHeaderRest(std::string_view line, MonitoringData &data, char decimalSeparator);

// Lines 2 to 38: E2..E19 into slots 1..18, S1..S19 into slots 30..48, then RettificaNetta
// from line 38 once more. Stops at the first failing line with the earlier slots filled.
void readAmountLines(KestravoFile &file, MonitoringData &data, char decimalSeparator);

} // namespace monit12
