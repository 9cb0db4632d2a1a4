#pragma once

class QComboBox;

namespace quellarine {

// A pop-up list as assistive technology should read it: named by its label (its accessible name) with the chosen
// entry as its value, where the toolkit names a list on Linux by the chosen entry ("Same as the System, combo
// box" instead of "Language, combo box, Same as the System"). Pressing it opens the list.
class NamedList {
public:
    static void apply(QComboBox& list);
};

} // namespace quellarine
