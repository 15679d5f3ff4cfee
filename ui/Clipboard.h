#pragma once

#include <string>

namespace trevalo::ui {

// The system clipboard, plain text only, in UTF-8. text() is empty when the
// clipboard holds no text (an image, nothing at all).
class Clipboard {
public:
    virtual ~Clipboard() = default;
    virtual std::string text() const = 0;
    virtual void setText(std::string text) = 0;
    virtual void clear() = 0;
};

}
