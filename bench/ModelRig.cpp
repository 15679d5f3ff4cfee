#include "bench/ModelRig.h"

#include "bench/ImportText.h"
#include "core/Block.h"

#include <cstdio>
#include <cstdlib>

namespace trevalo::bench {

ModelRig::ModelRig(Blocks blocks)
{
    if (blocks == Blocks::StartUp)
        return;
    import(largest_import);
    if (core::commandCount(form.Text2.text()) != largest_block) {
        std::fprintf(stderr, "the import of %d commands left %d commands in the menu block, not %d\n", largest_import,
            core::commandCount(form.Text2.text()), largest_block);
        std::abort();
    }
}

void ModelRig::import(int count)
{
    platform.clipboard = importText(count);
    form.cmdPaste.click();
}

std::size_t ModelRig::indexOf(const ui::ComboBox& list, std::string_view item)
{
    const auto index = list.indexOf(item);
    if (!index) {
        std::fprintf(stderr, "%s has no item %.*s\n", list.name().c_str(), int(item.size()), item.data());
        std::abort();
    }
    return *index;
}

}
