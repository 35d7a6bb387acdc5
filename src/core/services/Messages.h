#pragma once

#include "core/async/AsyncOp.h"

#include <QString>

namespace quillora {

// Message boxes with the program's title and no icon. Each returns at once; a flow that must
// wait for the answer awaits the result, other callers let it go.
class Messages {
public:
    virtual ~Messages() = default;

    // An information box with an OK button.
    virtual AsyncOp<void> inform(const QString &text) = 0;
    // Yes/No: true for Yes.
    virtual AsyncOp<bool> askYesNo(const QString &text) = 0;
    // OK/Cancel: true for OK.
    virtual AsyncOp<bool> askOkCancel(const QString &text) = 0;
};

} // namespace quillora
