#pragma once

#include "vcl/Component.h"

#include <functional>
#include <string>

namespace vcl {

class TCustomForm;

// The program: owns its forms, runs the message loop, reports escaped exceptions.
class TApplication : public TComponent
{
public:
    TApplication() : TComponent(nullptr) {}

    std::string ClassName() const override { return "TApplication"; }

    TCustomForm* MainForm() const { return FMainForm; }
    void SetMainForm(TCustomForm* Form) { FMainForm = Form; }
    // Creates a form owned by the application; the first becomes the main form.
    template <class F>
    F* CreateForm()
    {
        auto* Form = new F(this);
        if (!FMainForm)
            FMainForm = Form;
        return Form;
    }

    void Run();
    void Terminate();
    bool Terminated() const { return FTerminated; }
    void ProcessMessages();
    // Destroys every form, while the platform still exists.
    void Finalize();

    // Call from inside a catch block: shows the exception in flight.
    void HandleException(TObject* Sender);
    void ShowException(const std::string& Message);
    using TExceptionReport = std::function<void(const std::string& Message)>;
    // Tests catch the report here instead of a message box.
    void SetExceptionReport(TExceptionReport Report) { FExceptionReport = std::move(Report); }

    int ExitCode() const { return FExitCode; }

private:
    TCustomForm* FMainForm = nullptr;
    bool FTerminated = false;
    int FExitCode = 0;
    TExceptionReport FExceptionReport;
};

extern TApplication* const Application;

} // namespace vcl
