// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace forms {

// The system beep. It keeps count, so that a test can tell how many beeps a
// move made.
class Beep {
public:
    void sound();
    int count() const { return count_; }

private:
    int count_ = 0;
};

} // namespace forms
