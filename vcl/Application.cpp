#include "vcl/Application.h"

#include "vcl/Dialogs.h"
#include "vcl/Form.h"
#include "vcl/Platform.h"

#include <exception>

namespace vcl {
namespace {
TApplication TheApplication;
}

TApplication* const Application = &TheApplication;

void TApplication::Run()
{
    if (!Platform())
        return;
    FTerminated = false;
    if (FMainForm)
        FMainForm->Show();
    if (!FTerminated)
        Platform()->Run();
}

void TApplication::Terminate()
{
    FTerminated = true;
    if (Platform())
        Platform()->Quit();
}

void TApplication::ProcessMessages()
{
    if (Platform())
        Platform()->ProcessMessages();
}

void TApplication::Finalize()
{
    FMainForm = nullptr;
    while (!Components().empty())
        delete Components().back();
}

void TApplication::HandleException(TObject*)
{
    std::string Message = "Unknown error";
    try {
        throw;
    } catch (const std::exception& E) {
        Message = E.what();
    } catch (...) {
    }
    ShowException(Message);
}

void TApplication::ShowException(const std::string& Message)
{
    std::string Text = Message;
    if (!Text.empty() && Text.back() != '.')
        Text += '.';
    if (FExceptionReport) {
        FExceptionReport(Text);
        return;
    }
    MessageBox(Text, "Error", MB_OK | MB_ICONSTOP);
}

} // namespace vcl
