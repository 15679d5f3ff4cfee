#pragma once

#include "bench/QuietPlatform.h"
#include "mainwindow/Form1.h"

#include <cstddef>
#include <string_view>

namespace trevalo::bench {

// A main window under measurement, in one of the two states the benchmarks
// compare: as it starts, or with the largest target block an import allows.
class ModelRig {
public:
    enum class Blocks { StartUp, Largest };

    // 4 commands in the menu block, plus 251 imported, is the 255-line limit.
    static constexpr int largest_import = 251;
    static constexpr int largest_block = 255;

    explicit ModelRig(Blocks);
    ModelRig(const ModelRig&) = delete;
    ModelRig& operator=(const ModelRig&) = delete;

    // Puts `count` commands on the clipboard and clicks Import.
    void import(int count);
    bool imported() const { return form.cmdUndo.visible(); }

    // The position of `item` in `list`; aborts when the list has no such
    // item, as a mistyped benchmark would otherwise measure nothing.
    static std::size_t indexOf(const ui::ComboBox& list, std::string_view item);

    QuietPlatform platform;
    Form1 form { platform, platform, platform };
};

}
