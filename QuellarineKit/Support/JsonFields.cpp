#include "QuellarineKit/Support/JsonFields.h"

#include <cmath>
#include <limits>

namespace quellarine::coding {

namespace {

const nlohmann::json& field(const nlohmann::json& object, const char* key)
{
    const auto& checked = requireObject(object);
    auto it = checked.find(key);
    if (it == checked.end()) {
        throw DecodingError(std::string("missing key \"") + key + "\"");
    }
    return *it;
}

[[noreturn]] void wrongType(const char* key, const char* expected)
{
    throw DecodingError(std::string("\"") + key + "\" is not " + expected);
}

} // namespace

const nlohmann::json& requireObject(const nlohmann::json& value)
{
    if (!value.is_object()) {
        throw DecodingError("expected a JSON object");
    }
    return value;
}

bool has(const nlohmann::json& object, const char* key)
{
    return requireObject(object).contains(key);
}

double decodeDouble(const nlohmann::json& object, const char* key)
{
    const auto& value = field(object, key);
    if (!value.is_number()) {
        wrongType(key, "a number");
    }
    return value.get<double>();
}

int decodeInt(const nlohmann::json& object, const char* key)
{
    const auto& value = field(object, key);
    if (value.is_number_integer()) {
        if (value.is_number_unsigned()) {
            auto number = value.get<std::uint64_t>();
            if (number > static_cast<std::uint64_t>(std::numeric_limits<int>::max())) {
                wrongType(key, "an integer in range");
            }
            return static_cast<int>(number);
        }
        auto number = value.get<std::int64_t>();
        if (number < std::numeric_limits<int>::min() || number > std::numeric_limits<int>::max()) {
            wrongType(key, "an integer in range");
        }
        return static_cast<int>(number);
    }
    if (value.is_number_float()) {
        double number = value.get<double>();
        if (std::isfinite(number) && std::trunc(number) == number && number >= std::numeric_limits<int>::min()
            && number <= std::numeric_limits<int>::max()) {
            return static_cast<int>(number);
        }
    }
    wrongType(key, "an integer");
}

std::uint32_t decodeUInt32(const nlohmann::json& object, const char* key)
{
    const auto& value = field(object, key);
    constexpr auto largest = std::numeric_limits<std::uint32_t>::max();
    if (value.is_number_unsigned()) {
        auto number = value.get<std::uint64_t>();
        if (number <= largest) {
            return static_cast<std::uint32_t>(number);
        }
    } else if (value.is_number_integer()) {
        auto number = value.get<std::int64_t>();
        if (number >= 0 && number <= static_cast<std::int64_t>(largest)) {
            return static_cast<std::uint32_t>(number);
        }
    } else if (value.is_number_float()) {
        double number = value.get<double>();
        if (std::isfinite(number) && std::trunc(number) == number && number >= 0 && number <= largest) {
            return static_cast<std::uint32_t>(number);
        }
    }
    wrongType(key, "an unsigned 32-bit integer");
}

bool decodeBool(const nlohmann::json& object, const char* key)
{
    const auto& value = field(object, key);
    if (!value.is_boolean()) {
        wrongType(key, "a Boolean");
    }
    return value.get<bool>();
}

std::string decodeString(const nlohmann::json& object, const char* key)
{
    const auto& value = field(object, key);
    if (!value.is_string()) {
        wrongType(key, "a string");
    }
    return value.get<std::string>();
}

std::optional<double> decodeOptionalDouble(const nlohmann::json& object, const char* key)
{
    if (!has(object, key) || requireObject(object).at(key).is_null()) {
        return std::nullopt;
    }
    return decodeDouble(object, key);
}

double encodable(double value, const char* key)
{
    if (!std::isfinite(value)) {
        throw EncodingError(std::string("\"") + key + "\" is not a finite number");
    }
    return value;
}

} // namespace quellarine::coding
