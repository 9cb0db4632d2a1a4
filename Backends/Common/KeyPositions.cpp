#include "Backends/Common/KeyPositions.h"

#include <array>
#include <utility>

namespace quellarine::backends {

namespace {

// Virtual key code → XKB key name, the same physical key on an ANSI keyboard.
constexpr std::array<std::pair<std::uint32_t, std::string_view>, 110> positions{{
    // Letters and their rows
    {0, "AC01"},
    {1, "AC02"},
    {2, "AC03"},
    {3, "AC04"},
    {4, "AC06"},
    {5, "AC05"},
    {6, "AB01"},
    {7, "AB02"},
    {8, "AB03"},
    {9, "AB04"},
    {11, "AB05"},
    {12, "AD01"},
    {13, "AD02"},
    {14, "AD03"},
    {15, "AD04"},
    {16, "AD06"},
    {17, "AD05"},
    {31, "AD09"},
    {32, "AD07"},
    {34, "AD08"},
    {35, "AD10"},
    {37, "AC09"},
    {38, "AC07"},
    {40, "AC08"},
    {45, "AB06"},
    {46, "AB07"},
    // Digits and punctuation
    {18, "AE01"},
    {19, "AE02"},
    {20, "AE03"},
    {21, "AE04"},
    {22, "AE06"},
    {23, "AE05"},
    {24, "AE12"},
    {25, "AE09"},
    {26, "AE07"},
    {27, "AE11"},
    {28, "AE08"},
    {29, "AE10"},
    {30, "AD12"},
    {33, "AD11"},
    {39, "AC11"},
    {41, "AC10"},
    {42, "BKSL"},
    {43, "AB08"},
    {44, "AB10"},
    {47, "AB09"},
    {50, "TLDE"},
    // Editing and control keys
    {36, "RTRN"},
    {48, "TAB"},
    {49, "SPCE"},
    {51, "BKSP"},
    {53, "ESC"},
    {55, "LWIN"},
    {56, "LFSH"},
    {57, "CAPS"},
    {58, "LALT"},
    {59, "LCTL"},
    {54, "RWIN"},
    {60, "RTSH"},
    {61, "RALT"},
    {62, "RCTL"},
    {110, "COMP"},
    {114, "INS"},
    {115, "HOME"},
    {116, "PGUP"},
    {117, "DELE"},
    {119, "END"},
    {121, "PGDN"},
    {123, "LEFT"},
    {124, "RGHT"},
    {125, "DOWN"},
    {126, "UP"},
    // Function keys
    {122, "FK01"},
    {120, "FK02"},
    {99, "FK03"},
    {118, "FK04"},
    {96, "FK05"},
    {97, "FK06"},
    {98, "FK07"},
    {100, "FK08"},
    {101, "FK09"},
    {109, "FK10"},
    {103, "FK11"},
    {111, "FK12"},
    {105, "FK13"},
    {107, "FK14"},
    {113, "FK15"},
    {106, "FK16"},
    {64, "FK17"},
    {79, "FK18"},
    {80, "FK19"},
    {90, "FK20"},
    // Keypad
    {65, "KPDL"},
    {67, "KPMU"},
    {69, "KPAD"},
    {71, "NMLK"},
    {75, "KPDV"},
    {76, "KPEN"},
    {78, "KPSU"},
    {81, "KPEQ"},
    {82, "KP0"},
    {83, "KP1"},
    {84, "KP2"},
    {85, "KP3"},
    {86, "KP4"},
    {87, "KP5"},
    {88, "KP6"},
    {89, "KP7"},
    {91, "KP8"},
    {92, "KP9"},
}};

} // namespace

std::optional<std::string_view> KeyPositions::xkbName(std::uint32_t keyCode)
{
    for (const auto& [code, name] : positions) {
        if (code == keyCode) {
            return name;
        }
    }
    return std::nullopt;
}

} // namespace quellarine::backends
