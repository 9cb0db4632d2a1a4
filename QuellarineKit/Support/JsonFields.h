#pragma once

#include "QuellarineKit/Support/DecodingError.h"

#include <nlohmann/json.hpp>

#include <cstdint>
#include <optional>
#include <string>

namespace quellarine::coding {

// Typed access to the fields of a JSON object, strict the way a record decoder must be: a missing key or a
// value of the wrong kind is a DecodingError, never a silent conversion.

const nlohmann::json& requireObject(const nlohmann::json& value);
bool has(const nlohmann::json& object, const char* key);

double decodeDouble(const nlohmann::json& object, const char* key);
// An integer, or a fraction-free float within the range of int.
int decodeInt(const nlohmann::json& object, const char* key);
// A non-negative integer (or fraction-free float) that fits in 32 bits.
std::uint32_t decodeUInt32(const nlohmann::json& object, const char* key);
bool decodeBool(const nlohmann::json& object, const char* key);
std::string decodeString(const nlohmann::json& object, const char* key);
std::optional<double> decodeOptionalDouble(const nlohmann::json& object, const char* key);

// A finite double for the encoder: JSON has no spelling for NaN or infinity.
double encodable(double value, const char* key);

} // namespace quellarine::coding
