#include "vcl/Dialogs.h"

#include "vcl/Platform.h"

namespace vcl {
namespace {
TMessageBoxHook& Hook()
{
    static TMessageBoxHook Current;
    return Current;
}
} // namespace

int MessageBox(const std::string& Text, const std::string& Caption, unsigned Flags)
{
    if (Hook())
        return Hook()(Text, Caption, Flags);
    if (IPlatform* P = Platform())
        return P->ShowMessageBox(Text, Caption, Flags);
    return IDCANCEL;
}

void SetMessageBoxHook(TMessageBoxHook Value) { Hook() = std::move(Value); }

} // namespace vcl
