#pragma once

#include "ui/Clipboard.h"

namespace trevalo::qt {

// The system clipboard through Qt, plain text only. Qt holds text as UTF-16,
// the model as UTF-8; anything but text (an image, files) reads as "".
class QtClipboard final : public ui::Clipboard {
public:
    std::string text() const override;
    void setText(std::string text) override;
    void clear() override;
};

}
