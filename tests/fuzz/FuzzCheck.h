#pragma once

// What the fuzz targets share: a failed property aborts with its reason, so that libFuzzer keeps the input and
// the replay test fails on it.

#include "QuellarineKit/Support/DecodingError.h"

#include <nlohmann/json.hpp>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

namespace quellarine::fuzz {

[[noreturn]] inline void fail(const std::string& reason)
{
    std::fprintf(stderr, "fuzz property failed: %s\n", reason.c_str());
    std::abort();
}

inline void require(bool condition, const std::string& reason)
{
    if (!condition) {
        fail(reason);
    }
}

// Adds a libFuzzer flag from a target's LLVMFuzzerInitialize, which runs before the flags are read.
inline void addFlag(int* argc, char*** argv, const char* flag)
{
    static std::vector<char*> arguments;
    std::vector<char*> extended(*argv, *argv + *argc);
    extended.push_back(const_cast<char*>(flag));
    extended.push_back(nullptr);
    arguments = std::move(extended);
    *argc = static_cast<int>(arguments.size()) - 1;
    *argv = arguments.data();
}

// The input as JSON; none when it is not JSON, which is the parser's business rather than the decoder's.
inline std::optional<nlohmann::json> parseJson(const std::uint8_t* data, std::size_t size)
{
    auto parsed = nlohmann::json::parse(data, data + size, nullptr, false);
    if (parsed.is_discarded()) {
        return std::nullopt;
    }
    return parsed;
}

// Decodes a record as a stored file or a reply is read: DecodingError is the one failure a decoder may raise,
// so anything else escapes and ends the run.
template <typename Record>
std::optional<Record> decode(const nlohmann::json& json)
{
    try {
        // Through from_json itself rather than json::get, which clang refuses for records nested in a class.
        Record record;
        from_json(json, record);
        return record;
    } catch (const DecodingError&) {
        return std::nullopt;
    }
}

// A decoded record can be written again (its numbers are finite), and what is written reads back as the same
// record, through text.
template <typename Record>
nlohmann::json requireRoundTrip(const Record& record)
{
    nlohmann::json encoded;
    try {
        to_json(encoded, record);
    } catch (const EncodingError& error) {
        fail(std::string("a decoded record cannot be encoded: ") + error.what());
    }
    auto reparsed = nlohmann::json::parse(encoded.dump());
    auto again = decode<Record>(reparsed);
    require(again.has_value(), "an encoded record does not decode: " + encoded.dump());
    require(*again == record, "a record changed on its way through JSON: " + encoded.dump());
    return encoded;
}

} // namespace quellarine::fuzz
