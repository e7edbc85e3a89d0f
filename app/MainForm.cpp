#include "MainForm.h"

#include "vcl/ClassRegistry.h"
#include "vcl/Exceptions.h"
#include "vcl/LayoutReader.h"
#include "vcl/Resources.h"

#include <map>

using namespace vcl;
using namespace setup;

namespace {

template <class T>
void Bind(const TComponent& Form, T*& Field, const char* Name)
{
    Field = dynamic_cast<T*>(Form.FindComponent(Name));
    if (!Field)
        throw ELayoutError(std::string("The main window's layout lacks ") + Name);
}

} // namespace

TMainForm::TMainForm(TComponent* AOwner) : TForm(AOwner)
{
    static const bool Registered = [] {
        RegisterClass({"TMainForm", "TForm", nullptr, {}});
        return true;
    }();
    (void)Registered;
    const std::span<const uint8_t> Layout = FindResource("MainForm.layout");
    TLayoutReader Reader(*this, [this](const std::string& Name) { return FindHandler(Name); });
    Reader.Read(std::string_view(reinterpret_cast<const char*>(Layout.data()), Layout.size()));
    BindFields();
}

TNotifyEvent TMainForm::FindHandler(const std::string& Name)
{
    using THandler = void (TMainForm::*)(TObject*);
    static const std::map<std::string, THandler> Handlers{
        {"Exit2Click", &TMainForm::Exit2Click},
        {"Howtousethisprogram1Click", &TMainForm::Howtousethisprogram1Click},
        {"TechnicalSupport1Click", &TMainForm::TechnicalSupport1Click},
    };
    auto It = Handlers.find(Name);
    if (It == Handlers.end())
        return {};
    return [this, Handler = It->second](TObject* Sender) { (this->*Handler)(Sender); };
}

void TMainForm::BindFields()
{
    Bind(*this, MainMenu1, "MainMenu1");
    Bind(*this, File1, "File1");
    Bind(*this, Help1, "Help1");
    Bind(*this, Howtousethisprogram1, "Howtousethisprogram1");
    Bind(*this, Exit2, "Exit2");
    Bind(*this, TechnicalSupport1, "TechnicalSupport1");
    Bind(*this, BoardImage1, "BoardImage1");
}

void TMainForm::Exit2Click(TObject*) { Close(); }

void TMainForm::Howtousethisprogram1Click(TObject*) {}

void TMainForm::TechnicalSupport1Click(TObject*) {}
