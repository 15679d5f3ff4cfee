#pragma once

namespace trevalo::win32 {

// Whether the program runs under Wine, whose controls differ from Windows'
// in a few ways the binding makes up for where the design depends on them.
// Each place that asks says what it makes up for.
class Wine {
public:
    static bool running();
};

}
